#pragma once
#include <windows.h>

#include <string>

#include "FrameGeometry.h"

// The frame's title: a windowless label that sizes itself to its caption and is drawn onto the
// frame's surface, last, in the font selected there. It has no input of its own: the frame leaves
// clicks on it unanswered.
namespace kx {

class FrameTitle {
public:
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    void SetRightToLeft(bool value) { rightToLeft_ = value; }
    // Takes the size of its caption in the font selected into dc; the place stays.
    void AutoSize(HDC dc);
    void MoveTo(long left, long top);
    // Visible exactly when the caption is not empty.
    FrameTitleBox Box() const;
    bool Contains(POINT point) const;
    // Opaque titles fill their box with back (a plain colour) first.
    void Draw(HDC dc, bool opaque, COLORREF back) const;

private:
    UINT TextFormat() const;

    std::wstring caption_;
    bool rightToLeft_ = false;
    RECT box_ = {};
};

}  // namespace kx
