#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "Handles.h"
#include "Korvix32_h.h"
#include "KxScrollBar.h"
#include "PersistenceTestSupport.h"

// A scroll bar outside any container, newly placed (InitNew), at a size in pixels, with a sink that records
// its events by name.
namespace kxtest {

class EventLog : public IDispatch {
public:
    std::vector<std::wstring> names;
    // What a handler does on an event (by name), if anything.
    std::wstring reactTo;
    void (*reaction)(EventLog&) = nullptr;
    void* context = nullptr;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___kxScrollBar) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        const std::wstring name = NameOf(id);
        names.push_back(name);
        if (id == -605 || id == -606 || id == -607) names.back() += L" " + std::to_wstring(*params->rgvarg[3].piVal);
        if (reaction && name == reactTo) reaction(*this);
        return S_OK;
    }
    size_t Count(const std::wstring& name) const {
        size_t n = 0;
        for (const std::wstring& each : names) n += each == name;
        return n;
    }

private:
    static std::wstring NameOf(DISPID id) {
        switch (id) {
            case 1: return L"Change";
            case 2: return L"Scroll";
            case -602: return L"KeyDown";
            case -603: return L"KeyPress";
            case -604: return L"KeyUp";
            case -605: return L"MouseDown";
            case -606: return L"MouseMove";
            case -607: return L"MouseUp";
            default: return L"?";
        }
    }
};

class LooseScrollBar {
public:
    explicit LooseScrollBar(int width = 17, int height = 300, bool initNew = true) {
        if (initNew) {
            IPersistStreamInit* persist = nullptr;
            bar->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
            persist->InitNew();
            persist->Release();
        }
        Resize(width, height);
        IConnectionPointContainer* container = nullptr;
        bar->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
        container->FindConnectionPoint(DIID___kxScrollBar, &point);
        container->Release();
        point->Advise(&events, &cookie);
    }
    ~LooseScrollBar() {
        point->Unadvise(cookie);
        point->Release();
        bar->Release();
    }
    LooseScrollBar(const LooseScrollBar&) = delete;
    LooseScrollBar& operator=(const LooseScrollBar&) = delete;

    IOleObject* Ole() const { return static_cast<IOleObject*>(bar); }
    IUnknown* Unknown() const { return static_cast<_kxScrollBar*>(bar); }
    HWND Window() const {
        LONG window = 0;
        bar->get_Hwnd(&window);
        return kx::HandleFromLong<HWND>(window);
    }
    void Resize(int width, int height) const {
        SIZEL size = {MulDiv(width, 2540, 96), MulDiv(height, 2540, 96)};
        Ole()->SetExtent(DVASPECT_CONTENT, &size);
    }
    long Value() const { LONG v = 0; bar->get_Value(&v); return v; }
    long Max() const { LONG v = 0; bar->get_Max(&v); return v; }
    long Min() const { LONG v = 0; bar->get_Min(&v); return v; }
    long LargeChange() const { LONG v = 0; bar->get_LargeChange(&v); return v; }
    COLORREF TrackAt(int x, int y) const { return GetPixel(bar->TrackSurface().Dc(), x, y); }
    COLORREF BoxAt(int part, int x, int y) const { return GetPixel(bar->Box(part).Dc(), x, y); }

    // Messages to a box's window as the mouse would send them.
    LRESULT ToBox(int part, UINT message, WPARAM keys = 0, int x = 3, int y = 3) const {
        return SendMessageW(bar->Box(part).Hwnd(), message, keys, MAKELPARAM(x, y));
    }
    void Hover(int part) const { ToBox(part, WM_MOUSEMOVE); }
    // A right-button press shows the part pressed without stepping or repeating.
    void PressRight(int part) const { ToBox(part, WM_RBUTTONDOWN, MK_RBUTTON); }

    kx::KxScrollBar* bar = new kx::KxScrollBar();
    EventLog events;

private:
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
};

inline IPersistPropertyBag* BagPersistence(kx::KxScrollBar* bar) {
    IPersistPropertyBag* p = nullptr;
    bar->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
    p->Release();  // the bar keeps it alive
    return p;
}

}  // namespace kxtest
