#include "PlatformNumbers.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>

namespace kx {
namespace {

std::wstring TakeText(BSTR text) {
    std::wstring result(text ? text : L"", text ? SysStringLen(text) : 0);
    SysFreeString(text);
    return result;
}

}  // namespace

std::optional<double> PlatformNumbers::Read(const std::wstring& text) const {
    double value = 0;
    if (FAILED(VarR8FromStr(const_cast<OLECHAR*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value)) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::wstring PlatformNumbers::General(double value) const {
    BSTR text = nullptr;
    if (FAILED(VarBstrFromR8(value, LOCALE_USER_DEFAULT, 0, &text))) return {};
    return TakeText(text);
}

std::wstring PlatformNumbers::Format(double value, const std::wstring& pattern) const {
    VARIANT number;
    number.vt = VT_R8;
    number.dblVal = value;
    BSTR text = nullptr;
    BSTR format = SysAllocString(pattern.c_str());
    const HRESULT hr = VarFormat(&number, format, 0, 0, 0, &text);
    SysFreeString(format);
    if (FAILED(hr)) return General(value);
    return TakeText(text);
}

const PlatformNumbers& PlatformNumbers::Instance() {
    static const PlatformNumbers numbers;
    return numbers;
}

}  // namespace kx
