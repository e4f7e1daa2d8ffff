#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// What the page viewer needs of a browser: a window in its area and navigation to a page's full path.
namespace zarvanta {

class PageBrowser {
public:
    virtual ~PageBrowser() = default;
    virtual void Navigate(const std::wstring& address) = 0;
    virtual HWND Window() const = 0;
    // Keys the browser takes before the window's own dialog keys; true when it used the message.
    virtual bool TranslateAccelerator(MSG&) { return false; }
};

// Makes the browser of one viewer window, as a child of parent over bounds; null when none can be made.
using PageBrowserFactory = std::function<std::unique_ptr<PageBrowser>(HWND parent, const RECT& bounds)>;

// The system's web browser control where it can render HTML, else the built-in view.
std::unique_ptr<PageBrowser> CreatePageBrowser(HWND parent, const RECT& bounds);

}  // namespace zarvanta
