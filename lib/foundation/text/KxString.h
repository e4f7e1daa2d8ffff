#pragma once
#include <string>

#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxString: one text (the default member) with a comparison method, and operations that read it.
class KxString : public AutomationObject<_kxString> {
public:
    STDMETHODIMP get_CompareMethod(LONG* Result) override;
    STDMETHODIMP put_CompareMethod(LONG Value) override;
    STDMETHODIMP get_Text(BSTR* Result) override;
    STDMETHODIMP put_Text(BSTR Value) override;
    STDMETHODIMP ArrayAsc(SHORT* Index, BYTE* Result) override;
    STDMETHODIMP FirstIndex(BSTR* FindStr, SHORT* Skip, SHORT* Result) override;
    STDMETHODIMP LastIndex(BSTR* FindStr, SHORT* Skip, SHORT* Result) override;
    STDMETHODIMP FirstToFindText(BSTR* FindStr, SHORT* Skip, VARIANT_BOOL* RemoveText, VARIANT_BOOL* ActualFind,
                                 BSTR* Result) override;
    STDMETHODIMP LastToFindText(BSTR* FindStr, SHORT* Skip, VARIANT_BOOL* RemoveText, VARIANT_BOOL* ActualFind,
                                BSTR* Result) override;
    STDMETHODIMP Lower(BSTR* Result) override;
    STDMETHODIMP StrLeft(SHORT* Value, BSTR* Result) override;
    STDMETHODIMP TrimLeft(BSTR* Result) override;
    STDMETHODIMP TextFromTo(SHORT* start, SHORT* Length, BSTR* Result) override;
    STDMETHODIMP StrRight(SHORT* Value, BSTR* Result) override;
    STDMETHODIMP TrimRight(BSTR* Result) override;
    STDMETHODIMP TrimAll(BSTR* Result) override;
    STDMETHODIMP AddString(BSTR* Text, SHORT* Num, kxSDirection* Direction, BSTR* Result) override;
    STDMETHODIMP Length(SHORT* Result) override;
    STDMETHODIMP Upper(BSTR* Result) override;
    STDMETHODIMP InstrAdvanced(BSTR* FindStr, kxSDirection* Position, SHORT* Skip, SHORT* Result) override;
    STDMETHODIMP ToNumeric(DOUBLE* Result) override;
    STDMETHODIMP ToCurrency(CY* Result) override;
    STDMETHODIMP ToDouble(DOUBLE* Result) override;
    STDMETHODIMP ToInteger(SHORT* Result) override;
    STDMETHODIMP ToLong(LONG* Result) override;
    STDMETHODIMP ToSingle(FLOAT* Result) override;
    STDMETHODIMP ToDecimal(VARIANT* Result) override;
    STDMETHODIMP ToVariant(VARIANT* Result) override;
    STDMETHODIMP ToDate(DATE* Result) override;
    STDMETHODIMP FromHex(LONG* Result) override;
    STDMETHODIMP Reverse(BSTR* Result) override;
    STDMETHODIMP ReplaceText(BSTR* Find, BSTR* RplText, BSTR* Result) override;
    STDMETHODIMP ReplaceCharInText(BSTR* Find, BSTR* ReplaceText, BSTR* Result) override;
    STDMETHODIMP SortByte(VARIANT_BOOL* Asc, BSTR* Result) override;
    STDMETHODIMP Compare(BSTR* Text, kxSCompare* Result) override;
    STDMETHODIMP Convert(LONG* Conversion, VARIANT* LocaleID, BSTR* Result) override;
    STDMETHODIMP TextEncodeCodePage(kxsCodePages* CodePage, BSTR* Result) override;
    STDMETHODIMP TextDecodeCodePage(kxsCodePages* CodePage, BSTR* Result) override;
    STDMETHODIMP CheckStringCodePage(kxsCodePages* CodePage, VARIANT_BOOL* Result) override;
    STDMETHODIMP FitToWidth(BSTR* Text, LONG* Width, BSTR* FillStr, BSTR* Result) override;

private:
    // The (skip + 1)-th occurrence; from the end, the position of its last character counted from the end.
    size_t Occurrence(const std::wstring& find, bool fromEnd, long skip) const;
    std::wstring TextBefore(const std::wstring& find, long skip, bool fromEnd, bool removeText, bool actualFind);

    long compareMethod_ = 1;
    std::wstring text_;
};

}  // namespace kx
