#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

// A host window, a message pump with a bound, and late-bound property access for control tests.
namespace kxtest {

class HostWindow {
public:
    explicit HostWindow(int width = 300, int height = 200, int x = 40, int y = 40) {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KxControlTestHost";
        RegisterClassW(&cls);
        hwnd_ = CreateWindowExW(0, L"KxControlTestHost", L"host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y,
                                width, height, nullptr, nullptr, cls.hInstance, nullptr);
    }
    ~HostWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Handles waiting messages for at most the given time.
// The name of a stock mouse or key event, or "?" and the identity for any other.
inline std::wstring StockEventName(DISPID id) {
    switch (id) {
        case DISPID_CLICK: return L"Click";
        case DISPID_DBLCLICK: return L"DblClick";
        case DISPID_MOUSEUP: return L"MouseUp";
        case DISPID_MOUSEMOVE: return L"MouseMove";
        case DISPID_MOUSEDOWN: return L"MouseDown";
        case DISPID_KEYUP: return L"KeyUp";
        case DISPID_KEYPRESS: return L"KeyPress";
        case DISPID_KEYDOWN: return L"KeyDown";
        default: return L"?" + std::to_wstring(id);
    }
}

inline void PumpMessages(DWORD milliseconds = 50) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

// Handles messages until the condition holds or the time is up; whether it holds. What is queued is handled
// before each look, so no input waits in the queue for the next window (a message box would take it).
inline bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 15000) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        PumpMessages(0);
        if (condition()) return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
        PumpMessages(10);
    }
}

// Moves the real pointer (a hardware move, as the mouse makes it) to a point of the screen.
inline void MovePointerTo(POINT at) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

// The same with a filter that may take a message before it is dispatched (a host's accelerators).
template <class Filter>
void PumpMessagesThrough(Filter&& takes, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (takes(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

// A real left click through the input queue at a point of the screen.
inline void SendLeftClickAt(int x, int y) {
    SetCursorPos(x, y);
    PumpMessages(50);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

inline DISPID DispIdOf(IDispatch* object, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

inline HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    const WORD flags = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return object->Invoke(DispIdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr, nullptr,
                          nullptr);
}

inline VARIANT GetProperty(IDispatch* object, const wchar_t* name) {
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    object->Invoke(DispIdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                   nullptr, nullptr);
    return result;
}

inline VARIANT Text(const wchar_t* text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

inline VARIANT Long(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

inline VARIANT Double(double value) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

inline VARIANT Bool(bool value) {
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// Wine's atl.dll has no import library here: its two entry points by name, initialised once per process
// (Wine's AtlAxWinInit fails when its window class is already registered).
using AxCreate = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**, IUnknown**, REFIID, IUnknown*);

inline AxCreate LoadAtlAx() {
    static const AxCreate create = [] {
        using AxInit = BOOL(WINAPI*)();
        HMODULE atl = LoadLibraryW(L"atl.dll");
        if (!atl) return AxCreate(nullptr);
        auto init = reinterpret_cast<AxInit>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
        auto make = reinterpret_cast<AxCreate>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxCreateControlEx")));
        return init && make && init() ? make : AxCreate(nullptr);
    }();
    return create;
}

inline HWND WindowOf(IUnknown* control) {
    IOleWindow* window = nullptr;
    HWND hwnd = nullptr;
    if (SUCCEEDED(control->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
        window->GetWindow(&hwnd);
        window->Release();
    }
    return hwnd;
}

// A font object of the given face and size in points.
inline IFontDisp* MakeFont(const wchar_t* face, double points, bool bold = false) {
    FONTDESC desc = {sizeof(FONTDESC)};
    desc.lpstrName = const_cast<LPOLESTR>(face);
    desc.cySize.int64 = static_cast<LONGLONG>(points * 10000);
    desc.sWeight = bold ? FW_BOLD : FW_NORMAL;
    desc.sCharset = DEFAULT_CHARSET;
    IFontDisp* font = nullptr;
    OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font));
    return font;
}

}  // namespace kxtest
