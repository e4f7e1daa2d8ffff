#pragma once
#include <windows.h>
#include <unknwn.h>

// IUnknown for a small helper object that offers one interface: reference counting and
// QueryInterface for IUnknown and that interface; deleted with its last reference.
namespace kx {

template <class Interface>
class ComBase : public Interface {
public:
    ComBase() = default;
    virtual ~ComBase() = default;
    ComBase(const ComBase&) = delete;
    ComBase& operator=(const ComBase&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != __uuidof(Interface)) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

private:
    volatile LONG refs_ = 1;
};

}  // namespace kx
