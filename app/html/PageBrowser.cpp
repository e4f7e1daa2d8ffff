#include "PageBrowser.h"

#include "PageTextView.h"
#include "SystemWebBrowser.h"

namespace zarvanta {

std::unique_ptr<PageBrowser> CreatePageBrowser(HWND parent, const RECT& bounds) {
    if (SystemWebBrowser::HasHtmlEngine())
        if (std::unique_ptr<PageBrowser> browser = SystemWebBrowser::Create(parent, bounds)) return browser;
    return PageTextView::Create(parent, bounds);
}

}  // namespace zarvanta
