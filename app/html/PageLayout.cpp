#include "PageLayout.h"

#include <algorithm>

#include "LineBreaker.h"

namespace zarvanta {
namespace {

constexpr wchar_t kFace[] = L"Tahoma";
// Pixel heights of body text and of h1..h6, as browsers size them for a 16-pixel body.
constexpr std::array<int, 7> kPixelHeights = {16, 32, 24, 19, 16, 13, 11};
constexpr int kUnmeasured = -1;

HFONT CreatePageFont(int level) {
    LOGFONTW spec = {};
    spec.lfHeight = -kPixelHeights[level];
    spec.lfWeight = level == 0 ? FW_NORMAL : FW_BOLD;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(spec.lfFaceName, kFace, LF_FACESIZE);
    return CreateFontIndirectW(&spec);
}

// The text's own alignment point, so that the width of the shaped text places it (DrawText's DT_RIGHT
// measures the letters unshaped, which leaves shaped Arabic short of the right margin).
UINT TextAlignOf(const PageBlock& block) {
    const UINT reading = block.rightToLeft ? TA_RTLREADING : 0;
    if (block.alignment == BlockAlignment::Center) return TA_CENTER | TA_TOP | reading;
    return (block.rightToLeft ? TA_RIGHT : TA_LEFT) | TA_TOP | reading;
}

int AnchorOf(const PageBlock& block, int viewWidth) {
    if (block.alignment == BlockAlignment::Center) return viewWidth / 2;
    return block.rightToLeft ? viewWidth - PageLayout::kMargin : PageLayout::kMargin;
}

int LevelOf(const PageBlock& block) { return std::clamp(block.headingLevel, 0, 6); }

}  // namespace

PageLayout::PageLayout() : measure_(CreateCompatibleDC(nullptr)) {
    for (int level = 0; level < kLevels; ++level) {
        fonts_[level] = CreatePageFont(level);
        HGDIOBJ old = SelectObject(measure_, fonts_[level]);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(measure_, &metrics);
        SelectObject(measure_, old);
        lineHeights_[level] = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    }
}

PageLayout::~PageLayout() {
    if (measure_) DeleteDC(measure_);
    for (HFONT font : fonts_)
        if (font) DeleteObject(font);
}

// Expects the level's font to be selected into measure_.
int PageLayout::WidthOf(int level, wchar_t c) {
    std::vector<int>& widths = widths_[level];
    if (widths.empty()) widths.assign(0x10000, kUnmeasured);
    int& width = widths[c];
    if (width == kUnmeasured) {
        INT measured = 0;
        if (c >= 0xDC00 && c <= 0xDFFF) measured = 0;  // the pair is measured at its first half
        else if (!GetCharWidth32W(measure_, c, c, &measured)) measured = lineHeights_[level] / 2;
        width = std::max(0, static_cast<int>(measured));
    }
    return width;
}

void PageLayout::Arrange(const HtmlPage& page, int viewWidth) {
    lines_.clear();
    const int width = std::max(1, viewWidth - 2 * kMargin);
    int y = kMargin;
    for (std::size_t block = 0; block < page.blocks.size() && lines_.size() < kMostLines; ++block) {
        if (block > 0) y += lineHeights_[LevelOf(page.blocks[block])] * 3 / 4;
        ArrangeBlock(page, block, width, y);
    }
    height_ = y + kMargin;
}

void PageLayout::ArrangeBlock(const HtmlPage& page, std::size_t block, int width, int& y) {
    const int level = LevelOf(page.blocks[block]);
    HGDIOBJ old = SelectObject(measure_, fonts_[level]);
    const std::vector<LineSpan> spans =
        BreakLines(page.blocks[block].text, width, [&](wchar_t c) { return WidthOf(level, c); });
    SelectObject(measure_, old);
    for (const LineSpan& span : spans) {
        if (lines_.size() >= kMostLines) return;
        lines_.push_back({block, span.start, span.length, y});
        y += lineHeights_[level];
    }
}

void PageLayout::Draw(HDC dc, const HtmlPage& page, int top, int bandHeight, int viewWidth) const {
    const int tallest = *std::max_element(lineHeights_.begin(), lineHeights_.end());
    auto line = std::lower_bound(lines_.begin(), lines_.end(), top - tallest,
                                 [](const Line& entry, int y) { return entry.top < y; });
    HGDIOBJ old = SelectObject(dc, fonts_[0]);
    const UINT oldAlign = GetTextAlign(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (; line != lines_.end() && line->top < top + bandHeight; ++line) {
        const PageBlock& block = page.blocks[line->block];
        SelectObject(dc, fonts_[LevelOf(block)]);
        SetTextAlign(dc, TextAlignOf(block));
        ExtTextOutW(dc, AnchorOf(block, viewWidth), line->top - top, block.rightToLeft ? ETO_RTLREADING : 0, nullptr,
                    block.text.c_str() + line->start, static_cast<UINT>(line->length), nullptr);
    }
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, old);
}

}  // namespace zarvanta
