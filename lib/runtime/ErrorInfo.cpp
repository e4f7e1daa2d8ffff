#include "ErrorInfo.h"

#include <oleauto.h>

namespace kx {
namespace {
struct NumberText {
    int number;
    const wchar_t* text;
};

constexpr NumberText kTexts[] = {
    {3, L"Return without GoSub"},
    {5, L"Invalid procedure call or argument"},
    {6, L"Overflow"},
    {7, L"Out of memory"},
    {9, L"Subscript out of range"},
    {11, L"Division by zero"},
    {13, L"Type mismatch"},
    {52, L"Bad file name or number"},
    {53, L"File not found"},
    {68, L"Device unavailable"},
    {70, L"Permission denied"},
    {75, L"Path/File access error"},
    {76, L"Path not found"},
    {91, L"Object variable or With block variable not set"},
    {380, L"Invalid property value"},
    {382, L"Set not supported at runtime"},
    {387, L"Set not permitted"},
    {424, L"Object required"},
    {438, L"Object doesn't support this property or method"},
    {448, L"Named argument not found"},
    {449, L"Argument not optional"},
    {450, L"Wrong number of arguments or invalid property assignment"},
    {481, L"Invalid picture"},
};
}  // namespace

const wchar_t* ErrorText(int number) {
    for (const auto& entry : kTexts)
        if (entry.number == number) return entry.text;
    return L"Application-defined or object-defined error";
}

HRESULT ErrorHResult(int number) { return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number & 0xFFFF); }

int ErrorNumberOf(HRESULT hr) {
    if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) return HRESULT_CODE(hr);
    return static_cast<int>(hr);
}

HRESULT RaiseHResult(HRESULT hr, const wchar_t* source, const std::wstring& text) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(GUID_NULL);
        create->SetSource(const_cast<LPOLESTR>(source ? source : L"Korvix32"));
        create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return hr;
}

HRESULT RaiseError(int number, const wchar_t* source, const std::wstring& text) {
    return RaiseHResult(ErrorHResult(number), source, text.empty() ? std::wstring(ErrorText(number)) : text);
}

}  // namespace kx
