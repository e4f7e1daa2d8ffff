#include "VariantEnumerator.h"

#include <new>

namespace kx {

VariantEnumerator::VariantEnumerator(const std::vector<IDispatch*>& items, ULONG position)
    : items_(items), position_(position) {
    for (IDispatch* item : items_) item->AddRef();
}

VariantEnumerator::~VariantEnumerator() {
    for (IDispatch* item : items_) item->Release();
}

STDMETHODIMP VariantEnumerator::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IEnumVARIANT) return E_NOINTERFACE;
    *out = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) VariantEnumerator::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) VariantEnumerator::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP VariantEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    if (!items) return E_POINTER;
    ULONG given = 0;
    for (; given < count && position_ < items_.size(); ++given, ++position_) {
        VariantInit(&items[given]);
        items[given].vt = VT_DISPATCH;
        items[given].pdispVal = items_[position_];
        items_[position_]->AddRef();
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP VariantEnumerator::Skip(ULONG count) {
    const ULONG left = static_cast<ULONG>(items_.size()) - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

STDMETHODIMP VariantEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP VariantEnumerator::Clone(IEnumVARIANT** out) {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) VariantEnumerator(items_, position_);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace kx
