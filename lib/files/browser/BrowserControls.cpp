#include "BrowserControls.h"

#include <new>

#include "ErrorInfo.h"
#include "Handles.h"
#include "Text.h"
#include "VariantEnumerator.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.actFileDialog";
}

STDMETHODIMP BrowserControl::get_Name(BSTR* Name) {
    return Guard(kSource, [&] { AssignBstr(Name, part_.name); });
}

STDMETHODIMP BrowserControl::get_Index(short* Index) {
    if (!Index) return E_POINTER;
    *Index = part_.index;
    return S_OK;
}

STDMETHODIMP BrowserControl::get_Hwnd(LONG* Hwnd) {
    if (!Hwnd) return E_POINTER;
    *Hwnd = LongFromHandle(part_.window);
    return S_OK;
}

STDMETHODIMP BrowserControl::get_Visible(VARIANT_BOOL* Visible) {
    if (!Visible) return E_POINTER;
    const bool visible = part_.window ? IsWindow(part_.window) && BrowserForm::OwnVisible(part_.window) : true;
    *Visible = visible ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

BrowserControls::BrowserControls(const std::vector<PartRecord>& parts) {
    elements_.reserve(parts.size());
    for (const PartRecord& part : parts) elements_.push_back(new BrowserControl(part));
}

BrowserControls::~BrowserControls() {
    for (BrowserControl* element : elements_) element->Release();
}

STDMETHODIMP BrowserControls::get_Count(LONG* Count) {
    if (!Count) return E_POINTER;
    *Count = static_cast<LONG>(elements_.size());
    return S_OK;
}

// By position from 0, or by name without regard to case (the first of a control array).
STDMETHODIMP BrowserControls::get_Item(VARIANT Index, _actControl** Item) {
    return Guard(kSource, [&] {
        if (!Item) throw Error(kErrInvalidCall);
        *Item = nullptr;
        VARIANT* given = Index.vt == (VT_BYREF | VT_VARIANT) ? Index.pvarVal : &Index;
        BrowserControl* found = nullptr;
        if ((given->vt & ~VT_BYREF) == VT_BSTR) {
            const std::wstring name = ToLowerText(FromBstr(given->vt & VT_BYREF ? *given->pbstrVal : given->bstrVal));
            for (BrowserControl* element : elements_) {
                if (ToLowerText(element->Name()) != name) continue;
                found = element;
                break;
            }
        } else {
            VARIANT number;
            VariantInit(&number);
            if (FAILED(VariantChangeType(&number, given, 0, VT_I4))) throw Error(kErrTypeMismatch);
            if (number.lVal >= 0 && number.lVal < static_cast<LONG>(elements_.size())) found = elements_[number.lVal];
        }
        if (!found) throw Error(kErrSubscript);
        found->AddRef();
        *Item = found;
    });
}

STDMETHODIMP BrowserControls::get__NewEnum(IUnknown** Enumerator) {
    if (!Enumerator) return E_POINTER;
    const std::vector<IDispatch*> items(elements_.begin(), elements_.end());
    *Enumerator = new (std::nothrow) VariantEnumerator(items);
    return *Enumerator ? S_OK : E_OUTOFMEMORY;
}

}  // namespace kx
