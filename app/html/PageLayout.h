#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <vector>

#include "HtmlPage.h"

// The built-in view's typesetting: a font for body text and one for each heading level, the page broken
// into lines for a given width, and the drawing of the lines that fall into a band of the page.
namespace zarvanta {

class PageLayout {
public:
    static constexpr int kMargin = 10;
    static constexpr std::size_t kMostLines = 2'000'000;  // lines past this are not shown

    PageLayout();
    ~PageLayout();
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    // Breaks the page into lines for a view of the given width.
    void Arrange(const HtmlPage& page, int viewWidth);
    int Height() const { return height_; }
    std::size_t LineCount() const { return lines_.size(); }
    // Draws the lines that meet the band [top, top + bandHeight) of the page, the band's top at y = 0.
    void Draw(HDC dc, const HtmlPage& page, int top, int bandHeight, int viewWidth) const;

private:
    struct Line {
        std::size_t block;
        std::size_t start;
        std::size_t length;
        int top;
    };
    static constexpr int kLevels = 7;  // body text and h1..h6

    int WidthOf(int level, wchar_t c);
    void ArrangeBlock(const HtmlPage& page, std::size_t block, int width, int& y);

    std::array<HFONT, kLevels> fonts_ = {};
    std::array<int, kLevels> lineHeights_ = {};
    std::array<std::vector<int>, kLevels> widths_;  // per character, measured on first use
    HDC measure_ = nullptr;
    std::vector<Line> lines_;
    int height_ = 0;
};

}  // namespace zarvanta
