#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxFunctions: stateless helpers for hosts: string arrays and lists, combo boxes and text boxes
// reached by member name, fonts, files, replacements, database values and waits.
class KxFunctions : public AutomationObject<_kxFunctions> {
public:
    STDMETHODIMP SortArr(SAFEARRAY** ArrName, VARIANT_BOOL* Asc) override;
    STDMETHODIMP FindInComboBox(IDispatch** cmb) override;
    STDMETHODIMP GetStrBegin(BSTR* strMaster, BSTR* FindString, VARIANT_BOOL* RemoveFromMaster, BSTR* Result) override;
    STDMETHODIMP MakeFont(BSTR* SFont, IDispatch** Object) override;
    STDMETHODIMP GetUserCharset(BSTR* FontName, SHORT* Result) override;
    STDMETHODIMP GetListIndex(BSTR* FindStr, BSTR* ListIndex, BSTR* Spr, SHORT* Result) override;
    STDMETHODIMP GetItemList(SHORT* Index, BSTR* LisIndex, BSTR* Spr, BSTR* Result) override;
    STDMETHODIMP KillFileName(BSTR* FileName) override;
    STDMETHODIMP ReplaceStr(BSTR* Text, BSTR* Find, BSTR* ReplaceText, BSTR* Result) override;
    STDMETHODIMP ReplaceCharInStr(BSTR* Text, BSTR* Find, BSTR* ReplaceText, BSTR* Result) override;
    STDMETHODIMP GetObjectListIndex(IDispatch** obj, BSTR* Text, VARIANT_BOOL* CaseSensetive, SHORT* Result) override;
    STDMETHODIMP ChangeNullEmpty(VARIANT* fld, VARIANT* DefValue, kxReturnStyle* ReturnStyle,
                                 VARIANT* Result) override;
    STDMETHODIMP Wait(FLOAT* tSecond, VARIANT_BOOL* BlockCPU) override;
    STDMETHODIMP TextLineInfo(IDispatch** TextObject, LONG* CurrentLine, LONG* CurrentLineLen, LONG* FirstLinePos,
                              LONG* CurrentCol, LONG* LineCount, BSTR* Result) override;
};

}  // namespace kx
