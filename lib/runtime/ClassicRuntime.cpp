#include "ClassicRuntime.h"

#include <oleauto.h>

#include "ErrorInfo.h"

namespace kx {

const VARIANT& Deref(const VARIANT& value) {
    return value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal ? *value.pvarVal : value;
}

namespace {
VARIANT Converted(const VARIANT& value, VARTYPE vt) {
    VARIANT out;
    VariantInit(&out);
    const HRESULT hr = VariantChangeTypeEx(&out, const_cast<VARIANT*>(&Deref(value)), LOCALE_USER_DEFAULT, 0, vt);
    if (hr == DISP_E_OVERFLOW) throw Error(kErrOverflow);
    if (hr == E_OUTOFMEMORY) throw Error(kErrOutOfMemory);
    if (FAILED(hr)) throw Error(kErrTypeMismatch);
    return out;
}
}  // namespace

bool IsNumeric(const VARIANT& value) {
    const VARIANT& v = Deref(value);
    switch (v.vt & ~VT_BYREF) {
        case VT_EMPTY: case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_I8:
        case VT_UI8: case VT_INT: case VT_UINT: case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: case VT_BOOL:
            return true;
        case VT_BSTR: {
            VARIANT out;
            VariantInit(&out);
            const HRESULT hr = VariantChangeTypeEx(&out, const_cast<VARIANT*>(&v), LOCALE_USER_DEFAULT, 0, VT_R8);
            VariantClear(&out);
            return SUCCEEDED(hr) || hr == DISP_E_OVERFLOW;
        }
        default: return false;
    }
}

long ToLong(const VARIANT& value) { return Converted(value, VT_I4).lVal; }
double ToDouble(const VARIANT& value) { return Converted(value, VT_R8).dblVal; }

std::wstring ToText(const VARIANT& value) {
    VARIANT out = Converted(value, VT_BSTR);
    std::wstring text(out.bstrVal ? out.bstrVal : L"", out.bstrVal ? SysStringLen(out.bstrVal) : 0);
    VariantClear(&out);
    return text;
}

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitForMessagesUntil(const std::function<bool()>& done) {
    constexpr DWORD kRecheckMilliseconds = 100;  // a bound, should a change come without a message
    while (!done()) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (done()) return true;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, kRecheckMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return true;
}

float TimerSeconds() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const double seconds = now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
    return static_cast<float>(seconds);
}

double MonotonicSeconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace kx
