#pragma once
#include <windows.h>

#include "Handles.h"

// The hdc and Hwnd members of a control's interface, read-only, written once for every control. A control
// whose drawing happens in an inner window names that window and its surface.
namespace kx {

template <class Base>
class WindowMembers : public Base {
public:
    using Base::Base;

    STDMETHODIMP get_Hwnd(LONG* Hwnd) override {
        if (!Hwnd) return E_POINTER;
        *Hwnd = LongFromHandle(MemberWindow());
        return S_OK;
    }
    STDMETHODIMP get_hdc(LONG* hdc) override {
        if (!hdc) return E_POINTER;
        *hdc = LongFromHandle(MemberDc());
        return S_OK;
    }

protected:
    virtual HWND MemberWindow() const { return this->Hwnd(); }
    virtual HDC MemberDc() const { return this->Hdc(); }
};

}  // namespace kx
