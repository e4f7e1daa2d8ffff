#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ButtonLook.h"
#include "ButtonLookPainters.h"
#include "GdiTestSupport.h"

// Looks drawn on DIB sections without a window, and pixel tables to hold them against.
namespace looktest {

constexpr COLORREF kUntouched = RGB(255, 0, 255);  // a colour no look draws

struct Pixel {
    int x, y;
    COLORREF color;
};

// The face of a button in one state, without custom colours unless set.
inline kx::ButtonFace Face(long state, bool focus = false) {
    kx::ButtonFace face;
    face.state = state;
    face.hasFocus = focus;
    face.backColor = static_cast<kx::LookColor>(GetSysColor(COLOR_BTNFACE));
    face.highlightColor = static_cast<kx::LookColor>(GetSysColor(COLOR_HIGHLIGHT));
    return face;
}

inline kx::ButtonFace CustomFace(long state, kx::LookColor back, kx::LookColor highlight, bool focus = false) {
    kx::ButtonFace face = Face(state, focus);
    face.useCustomColors = true;
    face.backColor = back;
    face.highlightColor = highlight;
    return face;
}

inline COLORREF Sys(int index) { return GetSysColor(index); }
inline COLORREF Plus(COLORREF c, long n) { return static_cast<COLORREF>(kx::OffsetColor(static_cast<long>(c), n)); }

// A canvas of w x h pixels in kUntouched with one look painted on it.
inline std::unique_ptr<kxtest::Canvas> Painted(kx::LookPainter look, const kx::ButtonFace& face, int w, int h,
                                               bool* drawn = nullptr) {
    auto canvas = std::make_unique<kxtest::Canvas>(w, h, 32, kUntouched);
    const kx::ButtonPainter painter(canvas->dc(), w, h);
    const bool result = look(painter, face);
    if (drawn) *drawn = result;
    return canvas;
}

// The pixels of the table that differ, readable; empty when all match.
inline std::string Differences(const kxtest::Canvas& canvas, const std::vector<Pixel>& table) {
    std::ostringstream out;
    for (const Pixel& p : table)
        if (canvas.At(p.x, p.y) != p.color)
            out << "(" << p.x << "," << p.y << ") got " << std::hex << canvas.At(p.x, p.y) << " want " << p.color
                << std::dec << "; ";
    return out.str();
}

}  // namespace looktest
