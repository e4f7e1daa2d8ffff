#pragma once
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "AlertWindow.h"
#include "ControlTestSupport.h"
#include "Handles.h"
#include "Korvix32_h.h"
#include "KxAlert.h"
#include "KxAlertWindow.h"

// Alerts for tests: a loose alert control whose window is driven tick by tick (the test sends timMove's
// WM_TIMER itself and pumps no messages meanwhile), and helpers to read the window.
namespace kxtest {

// Records ButtonClick and lets a handler act on its by-reference argument.
class ButtonClickSink : public IDispatch {
public:
    explicit ButtonClickSink(std::function<void(short*)> handler = nullptr) : handler_(std::move(handler)) {}
    std::vector<short> clicks;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID___kxAlert && iid != DIID___kxAlertWindow) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id != 1 || params->cArgs != 1 || params->rgvarg[0].vt != (VT_BYREF | VT_I2)) return E_INVALIDARG;
        clicks.push_back(*params->rgvarg[0].piVal);
        if (handler_) handler_(params->rgvarg[0].piVal);
        return S_OK;
    }

    // Connects to an object's ButtonClick for the sink's lifetime.
    void Connect(IUnknown* object, REFIID events) {
        IConnectionPointContainer* points = nullptr;
        object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
        points->FindConnectionPoint(events, &point_);
        points->Release();
        point_->Advise(this, &cookie_);
    }
    ~ButtonClickSink() {
        if (!point_) return;
        point_->Unadvise(cookie_);
        point_->Release();
    }

private:
    std::function<void(short*)> handler_;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
};

inline kx::AlertWindow* AlertWindowOf(HWND window) {
    return reinterpret_cast<kx::AlertWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

inline void Tick(HWND window, int count = 1) {
    for (int i = 0; i < count && IsWindow(window); ++i) SendMessageW(window, WM_TIMER, kx::AlertWindow::kMoveTimer, 0);
}

// Unload requests until the window is gone: the first starts the hide, the next one ends it.
inline void CloseNow(HWND window) {
    for (int i = 0; i < 3 && IsWindow(window); ++i) SendMessageW(window, WM_CLOSE, 0, 0);
}

inline bool IsLayered(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

inline int LayeredAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
    return alpha;
}

inline void Click(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

template <class Object, class Setter>
void SetText(Object* object, Setter setter, const wchar_t* text) {
    BSTR value = SysAllocString(text);
    (object->*setter)(value);
    SysFreeString(value);
}

// An alert control outside any container, newly placed; its window closed and the control released at the end.
class LooseAlert {
public:
    LooseAlert() {
        IPersistStreamInit* persist = nullptr;
        alert->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
        persist->InitNew();
        persist->Release();
        alert->put_TimeToShow(1);
    }
    ~LooseAlert() {
        CloseNow(Window());
        alert->Release();
    }
    LooseAlert(const LooseAlert&) = delete;
    LooseAlert& operator=(const LooseAlert&) = delete;

    HRESULT Show(const wchar_t* text = L"Saved") const {
        BSTR value = SysAllocString(text);
        const HRESULT hr = alert->Show(value);
        SysFreeString(value);
        return hr;
    }
    HWND Window() const {
        LONG hwnd = 0;
        alert->get_Hwnd(&hwnd);
        return kx::HandleFromLong<HWND>(hwnd);
    }
    kx::AlertWindow* State() const { return AlertWindowOf(Window()); }
    short TakeChoice() const {
        VARIANT choice;
        alert->get_LastButtonSelect(&choice);
        return choice.iVal;
    }

    kx::KxAlertWindow* alert = new kx::KxAlertWindow();
};

}  // namespace kxtest
