#pragma once
#include <windows.h>

#include <string_view>

// Drawing primitives of the program's artwork over one device context: gradients, rounded panels,
// circles and text. Every GDI object it makes is freed before the call returns.
namespace zarvanta {

struct SkinFont {
    int points;
    bool bold = false;
    const wchar_t* face = L"Tahoma";
};

class SkinPainter {
public:
    explicit SkinPainter(HDC dc) : dc_(dc) {}

    void Fill(const RECT& rect, COLORREF color);
    void VerticalGradient(const RECT& rect, COLORREF top, COLORREF bottom);
    // A rounded panel: filled top to bottom, with a one-pixel border.
    void Panel(const RECT& rect, int radius, COLORREF top, COLORREF bottom, COLORREF border);
    void Frame(const RECT& rect, COLORREF color);
    void Circle(POINT centre, int radius, COLORREF fill, COLORREF border);
    void Line(POINT from, POINT to, int width, COLORREF color);
    // Text in a rectangle; right-to-left reading for Persian text. format is DrawText's alignment.
    void Text(const RECT& rect, std::wstring_view text, const SkinFont& font, COLORREF color, UINT format,
              bool rightToLeft = true);

private:
    HDC dc_;
};

}  // namespace zarvanta
