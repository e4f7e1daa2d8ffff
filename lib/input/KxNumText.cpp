#include "KxNumText.h"

#include "ErrorInfo.h"
#include "NumberWords.h"
#include "Text.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxNumText";
}  // namespace

STDMETHODIMP KxNumText::get_Value(BSTR* Result) {
    if (!Result) return E_POINTER;
    return Guard(kSource, [&] { *Result = ToBstr(value_); });
}

STDMETHODIMP KxNumText::get_Number(DOUBLE* Result) {
    if (!Result) return E_POINTER;
    *Result = number_;
    return S_OK;
}

STDMETHODIMP KxNumText::put_Number(DOUBLE Value) {
    number_ = Value;
    return S_OK;
}

template <class Words>
HRESULT KxNumText::Translate(const DOUBLE* tNumber, BSTR* result, Words&& words) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return Guard(kSource, [&] {
        if (tNumber && *tNumber != 0) number_ = *tNumber;
        const std::optional<std::wstring> text = words(number_);
        // Numbers whose text the word tables cannot cover keep the previous words.
        if (!text) throw Error(kErrSubscript);
        value_ = *text;
        *result = ToBstr(value_);
    });
}

STDMETHODIMP KxNumText::TranslateFa(DOUBLE* tNumber, VARIANT_BOOL* AddOM, BSTR* Result) {
    const bool ordinal = AddOM && *AddOM != VARIANT_FALSE;
    return Translate(tNumber, Result, [ordinal](double number) { return PersianNumberWords(number, ordinal); });
}

STDMETHODIMP KxNumText::TranslateEn(DOUBLE* tNumber, BSTR* Result) {
    return Translate(tNumber, Result, [](double number) { return EnglishNumberWords(number); });
}

}  // namespace kx
