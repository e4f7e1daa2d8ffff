#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

// A For Each enumerator over a fixed list of objects.
namespace kx {

class VariantEnumerator : public IEnumVARIANT {
public:
    explicit VariantEnumerator(const std::vector<IDispatch*>& items, ULONG position = 0);
    virtual ~VariantEnumerator();
    VariantEnumerator(const VariantEnumerator&) = delete;
    VariantEnumerator& operator=(const VariantEnumerator&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** out) override;

private:
    std::vector<IDispatch*> items_;
    ULONG position_;
    volatile LONG refs_ = 1;
};

}  // namespace kx
