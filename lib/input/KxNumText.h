#pragma once
#include <string>

#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxNumText: the number last translated and the words last produced, in Persian or English.
class KxNumText : public AutomationObject<_kxNumText> {
public:
    STDMETHODIMP get_Value(BSTR* Result) override;
    STDMETHODIMP get_Number(DOUBLE* Result) override;
    STDMETHODIMP put_Number(DOUBLE Value) override;
    STDMETHODIMP TranslateFa(DOUBLE* tNumber, VARIANT_BOOL* AddOM, BSTR* Result) override;
    STDMETHODIMP TranslateEn(DOUBLE* tNumber, BSTR* Result) override;

private:
    // A non-zero tNumber becomes Number; the words of Number become Value and the result.
    template <class Words>
    HRESULT Translate(const DOUBLE* tNumber, BSTR* result, Words&& words);

    double number_ = 0;
    std::wstring value_;
};

}  // namespace kx
