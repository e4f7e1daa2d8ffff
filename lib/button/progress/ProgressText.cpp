#include "ProgressText.h"

#include "Text.h"

namespace kx {
namespace {

constexpr long kSearch = 2;
constexpr long kMediaPlayer = 6;
constexpr long kMetallic = 9;
constexpr long kMediaPlayerText = 0x00C0C0C0;

bool SplitsAtFill(long scrolling) { return scrolling == kMediaPlayer || scrolling == kMetallic; }

// Selects a font for the life of the object.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(font ? SelectObject(dc, font) : nullptr) {}
    ~SelectedFont() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void Draw(HDC dc, const std::string& text, RECT area) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE);
}

RECT PlaceText(const ProgressScene& s, const std::string& text) {
    RECT measured = {};
    DrawTextA(s.canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT);
    const long w = measured.right - measured.left;
    const long h = measured.bottom - measured.top;
    RECT area;
    area.left = PixelOf(s.width / 2.0 - w / 2.0);
    area.top = PixelOf(s.height / 2.0 - h / 2.0);
    area.right = area.left + w;
    area.bottom = area.top + h;
    return area;
}

void PaintTextOverFill(const ProgressScene& s, const ProgressCaption& caption, const std::string& text, RECT area,
                       double edge) {
    if (edge < area.left) return;
    const HDC dc = s.canvas.Dc();
    SelectedFont font(dc, caption.font);
    const long contrast = s.scrolling == kMediaPlayer ? s.Light(80) : kProgressWhite;
    SetTextColor(dc, static_cast<COLORREF>(TranslateProgressColor(contrast)));
    area.right = PixelOf(edge);
    Draw(dc, text, area);
}

}  // namespace

std::wstring ProgressCaptionText(long scrolling, const std::wstring& text, float percent) {
    if (scrolling == kSearch) return TrimBlanks(text);
    const long shown = static_cast<long>(RoundHalfEven(percent));
    return TrimBlanks(text + L" " + std::to_wstring(shown) + L" %");
}

void PaintProgressText(const ProgressScene& s, const ProgressCaption& caption) {
    if (!caption.show) return;
    const std::string text = ToAnsi(ProgressCaptionText(s.scrolling, caption.text, s.percent));
    const HDC dc = s.canvas.Dc();
    RECT area;
    const double edge = s.percent / 100.0 * s.width;
    {
        SelectedFont font(dc, caption.font);
        SetBkMode(dc, TRANSPARENT);
        const long colour = s.scrolling == kMediaPlayer ? kMediaPlayerText : caption.foreColor;
        SetTextColor(dc, static_cast<COLORREF>(TranslateProgressColor(colour)));
        area = PlaceText(s, text);
        if (!(SplitsAtFill(s.scrolling) && edge > area.right)) Draw(dc, text, area);
    }
    if (SplitsAtFill(s.scrolling)) PaintTextOverFill(s, caption, text, area, edge);
}

}  // namespace kx
