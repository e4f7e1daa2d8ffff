#include "ClassFactory.h"

#include "ModuleState.h"

namespace kx {

ClassFactory::ClassFactory(const ClassEntry& entry) : entry_(entry) { ObjectCreated(); }
ClassFactory::~ClassFactory() { ObjectDestroyed(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return entry_.create(iid, out);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    kx::LockServer(lock != FALSE);
    return S_OK;
}

}  // namespace kx
