#pragma once
#include <windows.h>
#include <oaidl.h>

#include "DispatchInvoker.h"
#include "ModuleState.h"
#include "TypeLibrary.h"

// Reference counting, IDispatch through the library's type library and ISupportErrorInfo for
// one dual interface. A class derives from AutomationObject<_kxSomething> and implements the
// interface's own members only.
namespace kx {

template <class Interface>
class AutomationObject : public Interface, public ISupportErrorInfo {
public:
    AutomationObject() { ObjectCreated(); }
    virtual ~AutomationObject() { ObjectDestroyed(); }
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface))
            *out = static_cast<Interface*>(this);
        else if (iid == IID_ISupportErrorInfo)
            *out = static_cast<ISupportErrorInfo*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = InterlockedDecrement(&refs_);
        if (left == 0) {
            refs_ = 1;  // references taken and dropped while finishing do not delete again
            FinalRelease();
            delete this;
        }
        return left;
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        ITypeLib* library = LibraryTypeLib();
        return library ? library->GetTypeInfoOfGuid(__uuidof(Interface), info) : TYPE_E_ELEMENTNOTFOUND;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        ITypeInfo* info = InterfaceTypeInfo(__uuidof(Interface));
        return info ? DispGetIDsOfNames(info, names, count, ids) : E_UNEXPECTED;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        return InvokeMember(InterfaceTypeInfo(__uuidof(Interface)), static_cast<Interface*>(this), member, flags,
                            params, result, exception, argError);
    }

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == __uuidof(Interface) ? S_OK : S_FALSE;
    }

protected:
    // Runs once, when the last reference goes and before the object is destroyed.
    virtual void FinalRelease() {}

private:
    volatile LONG refs_ = 1;
};

}  // namespace kx
