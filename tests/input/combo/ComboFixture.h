#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "TableRecordSet.h"

// The record sources of the lookup combo's tests: a small typed table with a quote and a Null in it.
namespace kxtest {

inline VARIANT DateValue(WORD year, WORD month, WORD day) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    VARIANT v;
    v.vt = VT_DATE;
    SystemTimeToVariantTime(&time, &v.date);
    return v;
}
inline VARIANT NullValue() {
    VARIANT v;
    v.vt = VT_NULL;
    return v;
}

// Adds a record and frees the values given.
inline void AddRecord(kx::TableRecordSet* table, std::vector<VARIANT> values) {
    table->AddRecord(values);
    for (VARIANT& v : values) VariantClear(&v);
}

// Id (Long), Name (text), Born (date), Active (Boolean), Score (Double): four people, one of them
// O'Brien, one with no name.
inline kx::TableRecordSet* PeopleTable() {
    auto* table = new kx::TableRecordSet();
    table->AddColumn(L"Id", kx::TableRecordSet::kLong);
    table->AddColumn(L"Name", kx::TableRecordSet::kText);
    table->AddColumn(L"Born", kx::TableRecordSet::kDate);
    table->AddColumn(L"Active", kx::TableRecordSet::kBoolean);
    table->AddColumn(L"Score", kx::TableRecordSet::kDouble);
    AddRecord(table, {Long(7), Text(L"Ava"), DateValue(1990, 1, 15), Bool(false), Double(1.5)});
    AddRecord(table, {Long(12), Text(L"O'Brien"), DateValue(2024, 3, 1), Bool(true),
                      Double(2.25)});
    AddRecord(table, {Long(30), NullValue(), DateValue(2001, 12, 31), Bool(false), Double(-4)});
    AddRecord(table, {Long(12), Text(L"Second twelve"), DateValue(2024, 3, 2), Bool(true),
                      Double(0)});
    return table;
}

}  // namespace kxtest

#include <functional>

#include "ComboDropDown.h"
#include "ComboPropertyPages.h"
#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxGetCombo.h"
#include "TestSupport.h"

namespace kxtest {

inline std::wstring ComboText(kx::KxGetCombo* combo, HRESULT (STDMETHODCALLTYPE kx::KxGetCombo::*get)(BSTR*)) {
    BSTR value = nullptr;
    (combo->*get)(&value);
    return TakeBstr(value);
}
inline void LetComboText(kx::KxGetCombo* combo, HRESULT (STDMETHODCALLTYPE kx::KxGetCombo::*let)(BSTR),
                         const wchar_t* text) {
    BSTR value = SysAllocString(text);
    (combo->*let)(value);
    SysFreeString(value);
}
inline HRESULT LetValue(kx::KxGetCombo* combo, VARIANT value) {
    const HRESULT hr = combo->put_Value(value);
    VariantClear(&value);
    return hr;
}
inline std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A lookup combo on a test window in the project's container, its events recorded by identity (without
// MouseMove); optionally over a record source with key and shown fields.
class HostedCombo {
public:
    explicit HostedCombo(int x = 40, int y = 40) : window_(300, 100, x, y) {
        host_ = new kx::ControlHost(window_.hwnd());
        combo_ = new kx::KxGetCombo();
        const RECT bounds = {10, 10, 190, 31};
        site_ = host_->PlaceObject(static_cast<IOleObject*>(combo_), L"cboTest", bounds, nullptr,
                                   [this](DISPID id, DISPPARAMS*) {
                                       if (id != DISPID_MOUSEMOVE) events.push_back(id);
                                   });
    }
    ~HostedCombo() {
        delete host_;
        if (combo_) combo_->Release();
    }
    HostedCombo(const HostedCombo&) = delete;
    HostedCombo& operator=(const HostedCombo&) = delete;

    kx::KxGetCombo* combo() const { return combo_; }
    HWND HostWindow() const { return window_.hwnd(); }
    IDispatch* Extender() const { return site_->ExtenderDispatch(); }
    HWND ControlWindow() const {
        LONG hwnd = 0;
        combo_->get_Hwnd(&hwnd);
        return reinterpret_cast<HWND>(static_cast<LONG_PTR>(hwnd));
    }
    void Bind(IDispatch* source, const wchar_t* keyField, const wchar_t* showField) {
        LetComboText(combo_, &kx::KxGetCombo::put_KeyField, keyField);
        LetComboText(combo_, &kx::KxGetCombo::put_ShowField, showField);
        combo_->put_SecondDataSource(source);
    }
    std::wstring Text() const { return ComboText(combo_, &kx::KxGetCombo::get_Text); }
    std::wstring BoxText() const { return WindowText(combo_->TextBoxWindow()); }

    bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 3000) {
        const DWORD end = GetTickCount() + milliseconds;
        for (;;) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (host_->TranslateAccelerator(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (condition()) return true;
            if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
            Sleep(5);
        }
    }
    void Settle() { PumpUntil([] { return false; }, 150); }
    // Lets the control go early (as a host's handler may).
    void ReleaseCombo() {
        delete host_;
        host_ = nullptr;
        combo_->Release();
        combo_ = nullptr;
    }

    std::vector<DISPID> events;

private:
    ::kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxGetCombo* combo_ = nullptr;
    kx::ControlSite* site_ = nullptr;
};

}  // namespace kxtest
