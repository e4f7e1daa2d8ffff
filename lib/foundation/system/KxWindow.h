#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxWindow: a stateless set of window operations by handle or caption.
class KxWindow : public AutomationObject<_kxWindow> {
public:
    STDMETHODIMP WindowVisible(LONG* Hwnd, VARIANT_BOOL* Visible) override;
    STDMETHODIMP ShowFlashWindow(LONG* Hwnd) override;
    STDMETHODIMP SetWindowPosition(LONG* Hwnd, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2,
                                   VARIANT_BOOL* AlwaysOnTop) override;
    STDMETHODIMP GetWindowPosition(LONG* Hwnd, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2) override;
    STDMETHODIMP WhatIsDC(LONG* Hwnd, LONG* Result) override;
    STDMETHODIMP WinMoveForm(IDispatch** mForm, short* Button) override;
    STDMETHODIMP DesktophWnd(LONG* DC, LONG* Result) override;
    STDMETHODIMP TopWindow(LONG* Result) override;
    STDMETHODIMP SetTopWindow(LONG* Hwnd) override;
    STDMETHODIMP FindWindowCaption(BSTR* WindowCaption, LONG* Result) override;
    STDMETHODIMP FindWindowAndActive(BSTR* WindowCaption) override;
    STDMETHODIMP CloseWindow(BSTR* WindowCaption, VARIANT_BOOL* Result) override;
    STDMETHODIMP MakeTransparent(LONG* Hwnd, LONG PercentTransparent, LONG* FromPercentTransparent,
                                 OLE_COLOR* RemoveColor, VARIANT_BOOL* CanRemoveColor) override;
    STDMETHODIMP WndTohDc(LONG* Hwnd, LONG* Result) override;
    STDMETHODIMP GetMousePos(LONG* X, LONG* Y) override;
};

}  // namespace kx
