#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Handles.h"
#include "KxFunctions.h"

namespace {

// Calls a member by name through the object's own late-bound Invoke, as a script would.
HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args, VARIANT* result) {
    LPOLESTR names = const_cast<LPOLESTR>(name);
    DISPID id = 0;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception = {};
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

VARIANT ByRef(VARTYPE type, void* target) {
    VARIANT v;
    v.vt = VT_BYREF | type;
    v.byref = target;
    return v;
}

SAFEARRAY* StringArray(long lowerBound, const std::vector<std::wstring>& items) {
    SAFEARRAYBOUND bound = {static_cast<ULONG>(items.size()), lowerBound};
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 1, &bound);
    for (size_t i = 0; i < items.size(); ++i) {
        LONG index = lowerBound + static_cast<LONG>(i);
        BSTR text = SysAllocString(items[i].c_str());
        SafeArrayPutElement(array, &index, text);
        SysFreeString(text);
    }
    return array;
}

std::vector<std::wstring> Items(SAFEARRAY* array) {
    std::vector<std::wstring> items;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        BSTR text = nullptr;
        SafeArrayGetElement(array, &i, &text);
        items.emplace_back(text ? text : L"");
        SysFreeString(text);
    }
    return items;
}

class KxFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override { functions_ = new kx::KxFunctions(); }
    void TearDown() override { functions_->Release(); }

    std::vector<std::wstring> SortThroughInvoke(long lowerBound, std::vector<std::wstring> items, bool ascending) {
        SAFEARRAY* array = StringArray(lowerBound, items);
        VARIANT_BOOL asc = ascending ? VARIANT_TRUE : VARIANT_FALSE;
        EXPECT_EQ(S_OK, CallByName(functions_, L"SortArr",
                                   {ByRef(VT_ARRAY | VT_BSTR, &array), ByRef(VT_BOOL, &asc)}, nullptr));
        std::vector<std::wstring> sorted = Items(array);
        SafeArrayDestroy(array);
        return sorted;
    }

    kx::KxFunctions* functions_ = nullptr;
};

// Element 0 of a zero-based array stays where it is: sorting starts at index 1.
TEST_F(KxFunctionsTest, SortArrSortsFromIndexOneInPlace) {
    using List = std::vector<std::wstring>;
    EXPECT_EQ((List{L"z", L"a", L"b", L"c"}), SortThroughInvoke(0, {L"z", L"c", L"b", L"a"}, true));
    EXPECT_EQ((List{L"a", L"b", L"c", L"z"}), SortThroughInvoke(1, {L"z", L"c", L"b", L"a"}, true));
    EXPECT_EQ((List{L"B", L"a", L"ab", L"b"}), SortThroughInvoke(1, {L"b", L"ab", L"B", L"a"}, true));
    EXPECT_EQ((List{L"q", L"c", L"b", L"a", L""}), SortThroughInvoke(0, {L"q", L"", L"a", L"c", L"b"}, false));
    EXPECT_EQ((List{L"only"}), SortThroughInvoke(1, {L"only"}, true));
}

TEST_F(KxFunctionsTest, SortArrRefusesArraysItCannotIndex) {
    VARIANT_BOOL asc = VARIANT_TRUE;
    SAFEARRAY* none = nullptr;
    EXPECT_EQ(static_cast<HRESULT>(0x800A0009), functions_->SortArr(&none, &asc));
    SAFEARRAYBOUND bounds[2] = {{3, 0}, {3, 0}};
    SAFEARRAY* square = SafeArrayCreate(VT_BSTR, 2, bounds);
    EXPECT_EQ(static_cast<HRESULT>(0x800A0009), functions_->SortArr(&square, &asc));
    SafeArrayDestroy(square);
    SAFEARRAY* high = StringArray(5, {L"b", L"a", L"c"});  // index 1 does not exist
    EXPECT_EQ(static_cast<HRESULT>(0x800A0009), functions_->SortArr(&high, &asc));
    SafeArrayDestroy(high);
}

// The list's remainder is written back into the caller's typed variable.
TEST_F(KxFunctionsTest, GetStrBeginWritesTheRestBack) {
    BSTR master = SysAllocString(L"ab;cd");
    BSTR separator = SysAllocString(L";");
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, CallByName(functions_, L"GetStrBegin", {ByRef(VT_BSTR, &master), ByRef(VT_BSTR, &separator)},
                               &result));
    EXPECT_STREQ(L"ab", result.bstrVal);
    EXPECT_STREQ(L"cd", master);
    VariantClear(&result);
    SysFreeString(master);
    SysFreeString(separator);
}

// A text box as TextLineInfo reaches it: SelStart, SelLength and Hwnd by name.
class FakeTextBox : public IDispatch {
public:
    std::map<std::wstring, long> values;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = (iid == IID_IUnknown || iid == IID_IDispatch) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* id) override {
        const auto found = values.find(names[0]);
        if (found == values.end()) return DISP_E_UNKNOWNNAME;
        *id = static_cast<DISPID>(std::distance(values.begin(), found)) + 1;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
        auto entry = values.begin();
        std::advance(entry, id - 1);
        result->vt = VT_I4;
        result->lVal = entry->second;
        return S_OK;
    }
};

TEST_F(KxFunctionsTest, TextLineInfoReportsTheCaretAndWritesItsOutputs) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 200, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, edit);
    std::wstring text;
    for (int line = 1; line <= 10; ++line) text += L"line" + std::to_wstring(line) + (line < 10 ? L"\r\n" : L"");
    SetWindowTextW(edit, text.c_str());
    FakeTextBox box;
    const long thirdLineStart = 2 * 7;  // "lineN\r\n" is 7 characters
    box.values = {{L"SelStart", thirdLineStart}, {L"SelLength", 0}, {L"Hwnd", kx::LongFromHandle(edit)}};
    IDispatch* object = &box;
    LONG line = -1, length = -1, first = -1, column = -1, count = -1;
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, CallByName(functions_, L"TextLineInfo",
                               {ByRef(VT_DISPATCH, &object), ByRef(VT_I4, &line), ByRef(VT_I4, &length),
                                ByRef(VT_I4, &first), ByRef(VT_I4, &column), ByRef(VT_I4, &count)},
                               &result));
    EXPECT_STREQ(L"Ln 3 of 10, Col 0, SL 0 ", result.bstrVal);
    EXPECT_EQ(2, line);
    EXPECT_EQ(5, length);
    EXPECT_EQ(thirdLineStart, first);
    EXPECT_EQ(0, column);
    EXPECT_EQ(10, count);
    VariantClear(&result);

    box.values[L"SelStart"] = thirdLineStart + 1;
    box.values[L"SelLength"] = 2;
    BSTR info = nullptr;
    ASSERT_EQ(S_OK, functions_->TextLineInfo(&object, nullptr, nullptr, nullptr, nullptr, nullptr, &info));
    EXPECT_STREQ(L"Ln 3 of 10, Col 3, SL 2 ", info);
    SysFreeString(info);
    DestroyWindow(edit);
}

TEST_F(KxFunctionsTest, UserCharsetFollowsTheLocaleForAnInstalledFont) {
    BSTR name = SysAllocString(L"DejaVu Sans");
    SHORT charset = -1;
    ASSERT_EQ(S_OK, functions_->GetUserCharset(&name, &charset));
    if (GetACP() == 1256) EXPECT_EQ(178, charset);
    SysFreeString(name);
}

}  // namespace

namespace {

// Hosts bind by slot: the dispatch identity of slot n is 0x60030000 + n.
TEST(KxFunctionsTypeInfo, DispatchIdentitiesFollowTheSlots) {
    kx::KxFunctions* functions = new kx::KxFunctions();
    const wchar_t* members[] = {L"SortArr", L"FindInComboBox", L"GetStrBegin", L"MakeFont", L"GetUserCharset",
                                L"GetListIndex", L"GetItemList", L"KillFileName", L"ReplaceStr",
                                L"ReplaceCharInStr", L"GetObjectListIndex", L"ChangeNullEmpty", L"Wait",
                                L"TextLineInfo"};
    for (int slot = 0; slot < 14; ++slot) {
        LPOLESTR name = const_cast<LPOLESTR>(members[slot]);
        DISPID id = -1;
        ASSERT_EQ(S_OK, functions->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)) << members[slot];
        EXPECT_EQ(0x60030000 + slot, id) << members[slot];
    }
    functions->Release();
}

}  // namespace
