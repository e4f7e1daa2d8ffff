#include "AboutLabel.h"

#include <windowsx.h>

#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "ScopedGdi.h"

namespace kx {
namespace {

constexpr wchar_t kLabelClass[] = L"KxAboutLabel";

const AboutLabelStyle* StyleOf(HWND label) {
    return reinterpret_cast<const AboutLabelStyle*>(GetWindowLongPtrW(label, GWLP_USERDATA));
}

std::wstring CaptionOf(HWND label) {
    std::wstring text(GetWindowTextLengthW(label) + 1, L'\0');
    text.resize(GetWindowTextW(label, text.data(), static_cast<int>(text.size())));
    return text;
}

// Auto-size: the label takes the extent of its caption and stays centred on its line.
void FitToCaption(HWND label) {
    const AboutLabelStyle* style = StyleOf(label);
    const std::wstring caption = CaptionOf(label);
    SIZE extent = {};
    HDC dc = GetDC(label);
    {
        ScopedSelection font(dc, style->font);
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    }
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, style->centreX - extent.cx / 2, style->top, extent.cx, extent.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, FALSE);
}

// Transparency: the parent's picture under the label is drawn first.
void DrawParentBehind(HWND label, HDC dc) {
    POINT origin = {0, 0};
    MapWindowPoints(label, GetParent(label), &origin, 1);
    POINT previous = {};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(GetParent(label), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void DrawCaption(HWND label, HDC dc, const RECT& area) {
    const AboutLabelStyle* style = StyleOf(label);
    const std::wstring caption = CaptionOf(label);
    ScopedSelection font(dc, style->font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style->colour);
    RECT box = area;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Drawn off screen and copied in one go, so the caption never flickers.
void Paint(HWND label, HDC target) {
    RECT area;
    GetClientRect(label, &area);
    ScopedMemoryDC buffer(target);
    ScopedGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, area.right, area.bottom));
    ScopedSelection selected(buffer, bitmap.get());
    DrawParentBehind(label, buffer);
    DrawCaption(label, buffer, area);
    BitBlt(target, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
}

LRESULT HandleMessage(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FitToCaption(label);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
            FitToCaption(label);
            return result;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(label, &ps);
            Paint(label, dc);
            EndPaint(label, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(label, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, StyleOf(label)->handCursor ? IDC_HAND : IDC_ARROW));
            return TRUE;
        case WM_LBUTTONDOWN:
            BeginClick(label);
            return 0;
        case WM_LBUTTONUP:
            if (EndsClick(label, lParam))
                SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(StyleOf(label)->id, STN_CLICKED),
                             reinterpret_cast<LPARAM>(label));
            return 0;
        default:
            return DefWindowProcW(label, message, wParam, lParam);
    }
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (!StyleOf(label)) return DefWindowProcW(label, message, wParam, lParam);
    try {
        return HandleMessage(label, message, wParam, lParam);
    } catch (...) {  // no exception crosses the platform's dispatch
        return DefWindowProcW(label, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateAboutLabel(HWND parent, const AboutLabelStyle* style, const std::wstring& caption) {
    RegisterModuleWindowClass({.name = kLabelClass, .procedure = LabelProcedure, .cursor = nullptr});
    return CreateWindowExW(0, kLabelClass, caption.c_str(), WS_CHILD | WS_VISIBLE, style->centreX, style->top, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(style->id)), ModuleHandle(),
                           const_cast<AboutLabelStyle*>(style));
}

void BeginClick(HWND window) { SetCapture(window); }

bool EndsClick(HWND window, LPARAM releasePosition) {
    if (GetCapture() != window) return false;
    ReleaseCapture();
    RECT area;
    GetClientRect(window, &area);
    const POINT at = {GET_X_LPARAM(releasePosition), GET_Y_LPARAM(releasePosition)};
    return PtInRect(&area, at) != FALSE;
}

}  // namespace kx
