#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GdiTestSupport.h"
#include "ProcessWindows.h"
#include "ServerModule.h"

// What the lifetime rows share: calls by name, and the check that a row left the process as it found it.
namespace kxtest {

inline std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; text && *text; ++text) narrow += *text < 128 ? static_cast<char>(*text) : '?';
    return narrow;
}

// A member called by name; args in the member's own order. The error's text goes to error when given.
inline HRESULT CallMember(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT>& args,
                          VARIANT* result, std::string* error = nullptr) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()),
                         0};
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(DispIdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                      &exception, nullptr);
    if (error) *error = Narrow(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

inline std::wstring AsText(const VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return L"<not text>";
    std::wstring result(text.bstrVal, SysStringLen(text.bstrVal));
    VariantClear(&text);
    return result;
}

// The text of a value a call handed over, which is cleared.
inline std::wstring TakeText(VARIANT value) {
    std::wstring text = AsText(value);
    VariantClear(&value);
    return text;
}

// A property-change sink advised on an object and never taken back: the object lets it go only when it is
// destroyed, so it tells without holding the object whether the object is still there.
class ReleaseWatch : public IPropertyNotifySink {
public:
    ReleaseWatch() = default;
    ReleaseWatch(const ReleaseWatch&) = delete;
    ReleaseWatch& operator=(const ReleaseWatch&) = delete;

    // False when the object has no property-change connection point.
    bool Watch(IUnknown* object) {
        IConnectionPointContainer* points = nullptr;
        if (FAILED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points))))
            return false;
        IConnectionPoint* point = nullptr;
        DWORD cookie = 0;
        const bool advised = SUCCEEDED(points->FindConnectionPoint(IID_IPropertyNotifySink, &point)) &&
                             SUCCEEDED(point->Advise(this, &cookie));
        if (point) point->Release();
        points->Release();
        return advised;
    }
    bool Held() const { return refs_ > 1; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IPropertyNotifySink) return E_NOINTERFACE;
        *out = static_cast<IPropertyNotifySink*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP OnChanged(DISPID) override { return S_OK; }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

private:
    ULONG refs_ = 1;
};

// The class names of windows, for a message.
inline std::string ClassNames(const std::vector<HWND>& windows) {
    std::string names;
    for (HWND window : windows) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        names += (names.empty() ? "" : ", ") + Narrow(name);
    }
    return names;
}

inline bool HeapsValid() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i)
        if (!HeapValidate(heaps[i], 0, nullptr)) return false;
    return true;
}

// No object, lock or window of the server is left (its DllCanUnloadNow answers S_OK).
inline void ExpectServerIdle(const char* row) {
    EXPECT_TRUE(HeapsValid()) << row << ": heap";
    PumpMessages(20);
    if (const HMODULE server = ServerModule()) {
        const std::vector<HWND> left = ProcessWindowsOfModule(server);
        EXPECT_TRUE(left.empty()) << row << ": windows of the server left: " << ClassNames(left);
    }
    EXPECT_EQ(S_OK, ServerCanUnloadNow()) << row << ": an object of the server is still alive";
}

// What a row must leave as it found it: the server idle, the process's GDI objects and windows within a small
// margin of the counts taken when this was made.
class LeftAsFound {
public:
    LeftAsFound() : gdi_(GdiObjectCount()), user_(UserObjectCount()) {}
    void Expect(const char* row, DWORD gdiMargin = 2, DWORD userMargin = 0) const {
        ExpectServerIdle(row);
        EXPECT_LE(GdiObjectCount(), gdi_ + gdiMargin) << row << ": GDI objects";
        EXPECT_LE(UserObjectCount(), user_ + userMargin) << row << ": windows";
    }

private:
    DWORD gdi_;
    DWORD user_;
};

// Runs a row once for what its first use makes to stay (caches), then three times more against the counts.
inline void RunRounds(const char* row, const std::function<void()>& round) {
    ASSERT_EQ(S_OK, ServerCanUnloadNow()) << "an earlier row left an object of the server";
    round();
    ExpectServerIdle(row);
    const LeftAsFound found;
    for (int i = 0; i < 3; ++i) round();
    found.Expect(row);
}

}  // namespace kxtest
