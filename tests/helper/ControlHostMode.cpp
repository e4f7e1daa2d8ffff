#include "ControlHostMode.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "RecordSourceCommand.h"

namespace {

constexpr wchar_t kHostClass[] = L"KxHelperControlHost";
constexpr int kHostWidth = 640, kHostHeight = 480;

std::wstring logPath;
std::vector<std::wstring> watched;
IDispatch* control = nullptr;

void Log(const std::wstring& line) {
    HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::wstring text = line + L"\r\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring TextOf(const VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    std::wstring result = L"?";
    if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&value), VARIANT_ALPHABOOL, VT_BSTR)))
        result.assign(text.bstrVal ? text.bstrVal : L"", SysStringLen(text.bstrVal));
    VariantClear(&text);
    return result;
}

DISPID IdOf(const std::wstring& name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    DISPID id = DISPID_UNKNOWN;
    if (!control || FAILED(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        return DISPID_UNKNOWN;
    return id;
}

// Calls name on the control; the failure's HRESULT is logged.
bool Call(const std::wstring& name, WORD flags, VARIANT* argument, VARIANT* result) {
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {argument, argument && flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                         argument ? 1u : 0u, argument && flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    EXCEPINFO error = {};
    const HRESULT hr =
        control->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &error, nullptr);
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    if (SUCCEEDED(hr)) return true;
    wchar_t code[16];
    wsprintfW(code, L"%08X", static_cast<unsigned>(hr));
    Log(L"  " + name + L" failed " + code);
    return false;
}

void LogProperty(const std::wstring& name) {
    VARIANT value;
    VariantInit(&value);
    if (Call(name, DISPATCH_PROPERTYGET, nullptr, &value)) Log(L"  " + name + L"=" + TextOf(value));
    VariantClear(&value);
}

void SetProperty(const std::wstring& assignment) {
    const size_t equals = assignment.find(L'=');
    if (equals == std::wstring::npos) return;
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(assignment.substr(equals + 1).c_str());
    Call(assignment.substr(0, equals), DISPATCH_PROPERTYPUT, &value, nullptr);
    VariantClear(&value);
}

void RunCommand(const std::wstring& command) {
    if (command.rfind(L"get ", 0) == 0) return LogProperty(command.substr(4));
    if (command.rfind(L"set ", 0) == 0) return SetProperty(command.substr(4));
    if (command.rfind(L"source ", 0) == 0) return Log(SetRecordSource(control, command.substr(7)));
    if (command.rfind(L"call ", 0) == 0) {
        VARIANT result;
        VariantInit(&result);
        if (Call(command.substr(5), DISPATCH_METHOD, nullptr, &result)) Log(L"  " + command.substr(5) + L" done");
        VariantClear(&result);
    }
}

// The control's events: each logged by name with its arguments, then the watched properties.
class EventLogger : public IDispatch {
public:
    EventLogger(REFIID events, ITypeInfo* info) : events_(events), info_(info) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }  // lives as long as the program
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        BSTR name = nullptr;
        UINT found = 0;
        std::wstring line = info_ && SUCCEEDED(info_->GetNames(id, &name, 1, &found)) && found
                                ? std::wstring(name, SysStringLen(name))
                                : L"event " + std::to_wstring(id);
        SysFreeString(name);
        line += L"(";
        for (UINT i = params ? params->cArgs : 0; i-- > 0;) {  // arguments come last first
            const VARIANT& argument = params->rgvarg[i];
            line += TextOf(argument.vt == (VT_BYREF | VT_VARIANT) ? *argument.pvarVal : argument);
            if (i > 0) line += L", ";
        }
        Log(line + L")");
        for (const std::wstring& property : watched) LogProperty(property);
        return S_OK;
    }

private:
    IID events_;
    ITypeInfo* info_;
    ULONG references_ = 1;
};

// The control's default source interface and its description, from its class information.
bool EventInterfaceOf(IUnknown* object, IID& iid, ITypeInfo*& info) {
    IProvideClassInfo2* classInfo = nullptr;
    if (FAILED(object->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&classInfo)))) return false;
    ITypeInfo* coclass = nullptr;
    bool found = SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid)) &&
                 SUCCEEDED(classInfo->GetClassInfo(&coclass));
    classInfo->Release();
    info = nullptr;
    if (!found) return false;
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(coclass->GetTypeAttr(&attributes))) {
        for (UINT i = 0; i < attributes->cImplTypes && !info; ++i) {
            INT flags = 0;
            HREFTYPE reference = 0;
            if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) && (flags & IMPLTYPEFLAG_FSOURCE) &&
                (flags & IMPLTYPEFLAG_FDEFAULT) && SUCCEEDED(coclass->GetRefTypeOfImplType(i, &reference)))
                coclass->GetRefTypeInfo(reference, &info);
        }
        coclass->ReleaseTypeAttr(attributes);
    }
    coclass->Release();
    return true;
}

void AdviseEvents(IUnknown* object) {
    IID iid;
    ITypeInfo* info = nullptr;
    if (!EventInterfaceOf(object, iid, info)) return;
    IConnectionPointContainer* container = nullptr;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        if (SUCCEEDED(container->FindConnectionPoint(iid, &point))) {
            DWORD cookie = 0;
            point->Advise(new EventLogger(iid, info), &cookie);  // kept until the process ends
            point->Release();
        }
        container->Release();
    }
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        RunCommand(std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t)));
        return TRUE;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

using AxInit = BOOL(WINAPI*)();
using AxCreate = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**, IUnknown**, REFIID, IUnknown*);

HWND CreateHostWindow(const std::wstring& progId) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHostClass;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kHostClass, (L"kxhelper host " + progId).c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                           kHostWidth, kHostHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

int RunControlHost(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring progId = argv[0];
    logPath = argv[1];
    if (FAILED(OleInitialize(nullptr))) return 3;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    auto init = atl ? reinterpret_cast<AxInit>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit"))) : nullptr;
    auto create =
        atl ? reinterpret_cast<AxCreate>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxCreateControlEx"))) : nullptr;
    if (!init || !create || !init()) return 4;
    HWND host = CreateHostWindow(progId);
    IUnknown* created = nullptr;
    if (!host || FAILED(create(progId.c_str(), host, nullptr, nullptr, &created, IID_NULL, nullptr)) || !created)
        return 5;
    created->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control));
    AdviseEvents(created);
    for (int i = 2; i < argc; ++i) {
        if (argv[i][0] == L'+') watched.emplace_back(argv[i] + 1);
        else if (control) SetProperty(argv[i]);
    }
    ShowWindow(host, SW_SHOWNORMAL);
    UpdateWindow(host);
    HWND controlWindow = nullptr;
    IOleWindow* window = nullptr;
    if (SUCCEEDED(created->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
        window->GetWindow(&controlWindow);
        window->Release();
    }
    Log(L"ready " + std::to_wstring(reinterpret_cast<UINT_PTR>(host) & 0xFFFFFFFF) + L" " +
        std::to_wstring(reinterpret_cast<UINT_PTR>(controlWindow) & 0xFFFFFFFF));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (control) control->Release();
    created->Release();
    Log(L"closed");
    OleUninitialize();
    return 0;
}
