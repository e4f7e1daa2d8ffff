#include "KxWindow.h"

#include <cstdlib>

#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "LateBinding.h"
#include "ClassicRuntime.h"
#include "Text.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxWindow";

HWND Window(const LONG* handle) { return HandleFromLong<HWND>(handle ? *handle : 0); }
long Value(const LONG* value) { return value ? *value : 0; }
bool IsTrue(const VARIANT_BOOL* value) { return value && *value != VARIANT_FALSE; }

HWND FindByCaption(const BSTR* caption) {
    const std::wstring text = caption ? FromBstr(*caption) : std::wstring();
    return FindWindowW(nullptr, text.c_str());
}

void ApplyOpacity(HWND window, long opacity, COLORREF key, bool useKey) {
    if (opacity < 0 || opacity > 255) return;
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    if (useKey)
        SetLayeredWindowAttributes(window, key, static_cast<BYTE>(opacity), LWA_COLORKEY | LWA_ALPHA);
    else
        SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
}
}  // namespace

STDMETHODIMP KxWindow::WindowVisible(LONG* Hwnd, VARIANT_BOOL* Visible) {
    return Guard(kSource, [&] { ShowWindow(Window(Hwnd), IsTrue(Visible) ? SW_SHOW : SW_HIDE); });
}

STDMETHODIMP KxWindow::ShowFlashWindow(LONG* Hwnd) {
    return Guard(kSource, [&] { FlashWindow(Window(Hwnd), TRUE); });
}

STDMETHODIMP KxWindow::SetWindowPosition(LONG* Hwnd, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2,
                                         VARIANT_BOOL* AlwaysOnTop) {
    return Guard(kSource, [&] {
        const HWND after = IsTrue(AlwaysOnTop) ? HWND_TOPMOST : HWND_NOTOPMOST;
        const bool unchanged = Value(X1) == Value(X2) && Value(Y1) == Value(Y2);
        SetWindowPos(Window(Hwnd), after, Value(X1), Value(Y1), Value(X2), Value(Y2),
                     unchanged ? SWP_NOSIZE | SWP_NOMOVE : 0);
    });
}

STDMETHODIMP KxWindow::GetWindowPosition(LONG* Hwnd, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2) {
    return Guard(kSource, [&] {
        RECT rect = {};
        if (!GetWindowRect(Window(Hwnd), &rect)) rect = RECT{};
        if (X1) *X1 = rect.left;
        if (Y1) *Y1 = rect.top;
        if (X2) *X2 = rect.right;
        if (Y2) *Y2 = rect.bottom;
    });
}

STDMETHODIMP KxWindow::WhatIsDC(LONG* Hwnd, LONG* Result) {
    return Guard(kSource, [&] { *Result = LongFromHandle(GetWindowDC(Window(Hwnd))); });
}

STDMETHODIMP KxWindow::WinMoveForm(IDispatch** mForm, short* Button) {
    return Guard(kSource, [&] {
        if (!Button || *Button != 1) return;
        const HWND window = HandleFromLong<HWND>(GetLongProperty(mForm ? *mForm : nullptr, L"Hwnd"));
        ReleaseCapture();
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    });
}

// An omitted DC arrives as a null pointer: no device context is taken that nobody would release.
STDMETHODIMP KxWindow::DesktophWnd(LONG* DC, LONG* Result) {
    return Guard(kSource, [&] {
        const HWND desktop = GetDesktopWindow();
        *Result = LongFromHandle(desktop);
        if (DC) *DC = LongFromHandle(GetDC(desktop));
    });
}

STDMETHODIMP KxWindow::TopWindow(LONG* Result) {
    return Guard(kSource, [&] { *Result = LongFromHandle(GetTopWindow(nullptr)); });
}

STDMETHODIMP KxWindow::SetTopWindow(LONG* Hwnd) {
    return Guard(kSource, [&] { SetActiveWindow(Window(Hwnd)); });
}

STDMETHODIMP KxWindow::FindWindowCaption(BSTR* WindowCaption, LONG* Result) {
    return Guard(kSource, [&] { *Result = LongFromHandle(FindByCaption(WindowCaption)); });
}

STDMETHODIMP KxWindow::FindWindowAndActive(BSTR* WindowCaption) {
    return Guard(kSource, [&] { SetActiveWindow(FindByCaption(WindowCaption)); });
}

STDMETHODIMP KxWindow::CloseWindow(BSTR* WindowCaption, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        const HWND window = FindByCaption(WindowCaption);
        if (IsWindow(window)) PostMessageW(window, WM_CLOSE, 1, 1);
        DoEvents();
        *Result = IsWindow(FindByCaption(WindowCaption)) ? VARIANT_FALSE : VARIANT_TRUE;
    });
}

STDMETHODIMP KxWindow::MakeTransparent(LONG* Hwnd, LONG PercentTransparent, LONG* FromPercentTransparent,
                                       OLE_COLOR* RemoveColor, VARIANT_BOOL* CanRemoveColor) {
    return Guard(kSource, [&] {
        const long key = TranslateOleColor(RemoveColor ? static_cast<long>(*RemoveColor) : 0);
        const HWND window = Window(Hwnd);
        const bool useKey = IsTrue(CanRemoveColor);
        const long target = PercentTransparent;
        const long from = Value(FromPercentTransparent);
        if (from == 0) {
            ApplyOpacity(window, target, static_cast<COLORREF>(key), useKey);
            return;
        }
        long step = std::labs(from - target) / 25;
        if (step < 1) step = 1;
        if (from > target) step = -step;
        for (long long i = from; step > 0 ? i <= target : i >= target; i += step) {
            ApplyOpacity(window, static_cast<long>(i), static_cast<COLORREF>(key), useKey);
            DoEvents();
        }
    });
}

STDMETHODIMP KxWindow::WndTohDc(LONG* Hwnd, LONG* Result) {
    return Guard(kSource, [&] { *Result = LongFromHandle(GetDC(Window(Hwnd))); });
}

STDMETHODIMP KxWindow::GetMousePos(LONG* X, LONG* Y) {
    return Guard(kSource, [&] {
        POINT point = {};
        if (!GetCursorPos(&point)) point = POINT{};
        if (X) *X = point.x;
        if (Y) *Y = point.y;
    });
}

}  // namespace kx
