#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "HtmlPage.h"
#include "PageBrowser.h"
#include "PageLayout.h"

// The built-in page view, for where no HTML engine is at hand: the page's text with its headings,
// paragraphs and line breaks, in its reading direction, on white in a scrolling window.
namespace zarvanta {

class PageTextView : public PageBrowser {
public:
    static constexpr wchar_t kWindowClass[] = L"ZarvantaPageView";
    static constexpr wchar_t kCannotShow[] = L"The page cannot be displayed";

    // Null when the window cannot be made.
    static std::unique_ptr<PageTextView> Create(HWND parent, const RECT& bounds);
    ~PageTextView() override;
    PageTextView(const PageTextView&) = delete;
    PageTextView& operator=(const PageTextView&) = delete;

    void Navigate(const std::wstring& address) override;
    HWND Window() const override { return window_; }

    const HtmlPage& Page() const { return page_; }
    std::size_t LineCount() const { return layout_.LineCount(); }
    int ScrollTop() const { return scrollTop_; }

private:
    PageTextView() = default;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void Show(HtmlPage page);
    void PaintTo(HDC dc);
    int ClientWidth() const;
    int ClientHeight() const;
    void UpdateScrollBar();
    void ScrollTo(int top);
    void OnVerticalScroll(WORD request);
    bool OnKey(WPARAM key);

    HWND window_ = nullptr;
    HtmlPage page_;
    PageLayout layout_;
    int scrollTop_ = 0;
};

}  // namespace zarvanta
