#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <utility>

// A host program's own sink of an object's events, as one that hosts the object in AtlAxWin or holds it
// loose advises: every event goes to a handler. The sink lives on the host's stack and counts the references
// the object holds, so that it also tells whether the object has let it go.
namespace kxtest {

class HostEventSink : public IDispatch {
public:
    explicit HostEventSink(std::function<void(DISPID)> onEvent) : onEvent_(std::move(onEvent)) {}
    HostEventSink(const HostEventSink&) = delete;
    HostEventSink& operator=(const HostEventSink&) = delete;

    // Connects to the events given, or to the object's default events when events is IID_NULL.
    void Advise(IUnknown* object, REFIID events = IID_NULL) {
        iid_ = events;
        IProvideClassInfo2* info = nullptr;
        if (iid_ == IID_NULL &&
            SUCCEEDED(object->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)))) {
            info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid_);
            info->Release();
        }
        if (IConnectionPoint* point = Point(object)) {
            point->Advise(static_cast<IDispatch*>(this), &cookie_);
            point->Release();
        }
    }
    void Unadvise(IUnknown* object) {
        if (!cookie_) return;
        if (IConnectionPoint* point = Point(object)) {
            point->Unadvise(cookie_);
            point->Release();
        }
        cookie_ = 0;
    }
    // Whether an object still holds the sink.
    bool Held() const { return refs_ > 1; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != iid_) return E_NOINTERFACE;
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        onEvent_(id);
        return S_OK;
    }

private:
    IConnectionPoint* Point(IUnknown* object) const {
        IConnectionPointContainer* points = nullptr;
        IConnectionPoint* point = nullptr;
        if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) {
            points->FindConnectionPoint(iid_, &point);
            points->Release();
        }
        return point;
    }

    std::function<void(DISPID)> onEvent_;
    IID iid_ = IID_NULL;
    DWORD cookie_ = 0;
    ULONG refs_ = 1;
};

}  // namespace kxtest
