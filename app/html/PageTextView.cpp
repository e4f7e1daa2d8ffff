#include "PageTextView.h"

#include <algorithm>

#include "HtmlPageParser.h"
#include "InstanceWindowProc.h"
#include "ModalForm.h"
#include "PageFile.h"

namespace zarvanta {
namespace {

constexpr int kScrollLine = 20;
constexpr COLORREF kPaper = RGB(255, 255, 255);

HtmlPage CannotShowPage(const std::wstring& address) {
    HtmlPage page;
    page.blocks.push_back({1, PageTextView::kCannotShow, false, BlockAlignment::Natural});
    page.blocks.push_back({0, address, false, BlockAlignment::Natural});
    return page;
}

}  // namespace

std::unique_ptr<PageTextView> PageTextView::Create(HWND parent, const RECT& bounds) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFormClass(kWindowClass, kx::InstanceWindowProc<PageTextView, &PageTextView::window_, &PageTextView::Handle>,
                      nullptr);
    std::unique_ptr<PageTextView> view(new PageTextView());
    CreateWindowExW(WS_EX_CLIENTEDGE, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL,
                    bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                    instance, view.get());
    if (!view->window_) return nullptr;
    view->UpdateScrollBar();  // an empty page shows a disabled scroll bar, as browsers do
    return view;
}

PageTextView::~PageTextView() {
    if (window_) DestroyWindow(window_);
}

void PageTextView::Navigate(const std::wstring& address) {
    std::optional<std::wstring> text = ReadPageText(address);
    Show(text ? ParseHtmlPage(*text) : CannotShowPage(address));
}

void PageTextView::Show(HtmlPage page) {
    page_ = std::move(page);
    // The scroll bar stands at the page's start side.
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LEFTSCROLLBAR);
    if (page_.rightToLeft) style |= WS_EX_LEFTSCROLLBAR;
    SetWindowLongPtrW(window_, GWL_EXSTYLE, style);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    layout_.Arrange(page_, ClientWidth());
    scrollTop_ = 0;
    UpdateScrollBar();
    InvalidateRect(window_, nullptr, FALSE);
}

int PageTextView::ClientWidth() const {
    RECT client = {};
    GetClientRect(window_, &client);
    return client.right;
}

int PageTextView::ClientHeight() const {
    RECT client = {};
    GetClientRect(window_, &client);
    return client.bottom;
}

void PageTextView::UpdateScrollBar() {
    SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL};
    info.nMin = 0;
    info.nMax = std::max(0, layout_.Height() - 1);
    info.nPage = static_cast<UINT>(std::max(0, ClientHeight()));
    info.nPos = scrollTop_;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void PageTextView::ScrollTo(int top) {
    const int bottom = std::max(0, layout_.Height() - ClientHeight());
    top = std::clamp(top, 0, bottom);
    if (top == scrollTop_) return;
    scrollTop_ = top;
    UpdateScrollBar();
    InvalidateRect(window_, nullptr, FALSE);
}

void PageTextView::OnVerticalScroll(WORD request) {
    SCROLLINFO info = {sizeof info, SIF_TRACKPOS};
    GetScrollInfo(window_, SB_VERT, &info);
    const int page = std::max(kScrollLine, ClientHeight() - kScrollLine);
    switch (request) {
    case SB_LINEUP: ScrollTo(scrollTop_ - kScrollLine); break;
    case SB_LINEDOWN: ScrollTo(scrollTop_ + kScrollLine); break;
    case SB_PAGEUP: ScrollTo(scrollTop_ - page); break;
    case SB_PAGEDOWN: ScrollTo(scrollTop_ + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(layout_.Height()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
    default: break;
    }
}

bool PageTextView::OnKey(WPARAM key) {
    switch (key) {
    case VK_UP: OnVerticalScroll(SB_LINEUP); return true;
    case VK_DOWN: OnVerticalScroll(SB_LINEDOWN); return true;
    case VK_PRIOR: OnVerticalScroll(SB_PAGEUP); return true;
    case VK_NEXT: OnVerticalScroll(SB_PAGEDOWN); return true;
    case VK_HOME: OnVerticalScroll(SB_TOP); return true;
    case VK_END: OnVerticalScroll(SB_BOTTOM); return true;
    default: return false;
    }
}

// Drawn off screen first, so that scrolling does not flicker.
void PageTextView::PaintTo(HDC dc) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    HDC band = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(1, width), std::max(1, height));
    HGDIOBJ oldBitmap = SelectObject(band, bitmap);
    RECT all = {0, 0, width, height};
    SetBkColor(band, kPaper);
    ExtTextOutW(band, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    layout_.Draw(band, page_, scrollTop_, height, width);
    BitBlt(dc, 0, 0, width, height, band, 0, 0, SRCCOPY);
    SelectObject(band, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(band);
}

LRESULT PageTextView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        PaintTo(BeginPaint(window_, &paint));
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: PaintTo(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_VSCROLL: OnVerticalScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(scrollTop_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * kScrollLine / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        if (OnKey(wParam)) return 0;
        break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: SetFocus(window_); return 0;
    case WM_SIZE:
        layout_.Arrange(page_, ClientWidth());
        ScrollTo(scrollTop_);
        UpdateScrollBar();
        return 0;
    case WM_NCDESTROY: {
        const HWND closing = window_;
        window_ = nullptr;
        return DefWindowProcW(closing, message, wParam, lParam);
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace zarvanta
