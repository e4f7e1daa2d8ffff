// The shared late-bound Invoke, exercised through kxWindow: how script callers pass arguments.
#include <gtest/gtest.h>

#include <vector>

#include "Handles.h"
#include "KxGraph.h"
#include "KxString.h"
#include "KxSystemInfo.h"
#include "KxWindow.h"

namespace {

constexpr DISPID kSetWindowPosition = 0x60030002;
constexpr DISPID kGetWindowPosition = 0x60030003;
constexpr DISPID kFindWindowCaption = 0x60030009;

VARIANT Long(long value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT Missing() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

VARIANT RefTo(VARIANT* target) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_VARIANT;
    v.pvarVal = target;
    return v;
}

// Arguments in the caller's order; DISPPARAMS holds them reversed.
HRESULT Call(IDispatch* object, DISPID id, std::vector<VARIANT> args, VARIANT* result = nullptr,
             WORD flags = DISPATCH_METHOD) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception = {};
    UINT argError = 0;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &argError);
}

class DispatchInvokerTest : public ::testing::Test {
protected:
    void SetUp() override {
        object_ = new kx::KxWindow();
        hwnd_ = CreateWindowExW(0, L"STATIC", L"invoke test", WS_POPUP | WS_VISIBLE, 10, 20, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(hwnd_);
        object_->Release();
    }
    long handle() const { return kx::LongFromHandle(hwnd_); }
    IDispatch* object_ = nullptr;
    HWND hwnd_ = nullptr;
};

TEST_F(DispatchInvokerTest, ByReferenceVariantsReceiveTypedResults) {
    VARIANT x1, y1, x2, y2;
    for (VARIANT* v : {&x1, &y1, &x2, &y2}) VariantInit(v);
    x1.vt = VT_BSTR;  // a script variable holding numeric text before the call
    x1.bstrVal = SysAllocString(L"12");
    ASSERT_EQ(S_OK, Call(object_, kGetWindowPosition, {Long(handle()), RefTo(&x1), RefTo(&y1), RefTo(&x2), RefTo(&y2)}));
    EXPECT_EQ(VT_I4, x1.vt);
    EXPECT_EQ((std::vector<long>{10, 20, 310, 220}), (std::vector<long>{x1.lVal, y1.lVal, x2.lVal, y2.lVal}));
}

TEST_F(DispatchInvokerTest, TypedByReferenceArgumentsAreConvertedBack) {
    double x = 0;
    VARIANT asDouble;
    asDouble.vt = VT_BYREF | VT_R8;
    asDouble.pdblVal = &x;
    long y = 0;
    VARIANT asLong;
    asLong.vt = VT_BYREF | VT_I4;
    asLong.plVal = &y;
    VARIANT ignored1, ignored2;
    VariantInit(&ignored1);
    VariantInit(&ignored2);
    ASSERT_EQ(S_OK, Call(object_, kGetWindowPosition, {Long(handle()), asDouble, asLong, RefTo(&ignored1), RefTo(&ignored2)}));
    EXPECT_EQ(10.0, x);
    EXPECT_EQ(20, y);
}

TEST_F(DispatchInvokerTest, MissingOptionalArgumentsTakeTheirDefaults) {
    VARIANT yes;
    VariantInit(&yes);
    yes.vt = VT_BOOL;
    yes.boolVal = VARIANT_TRUE;
    ASSERT_EQ(S_OK, Call(object_, kSetWindowPosition, {Long(handle()), Missing(), Missing(), Missing(), Missing(), yes}));
    EXPECT_TRUE(GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    EXPECT_EQ(10, rect.left);  // all four numbers default to 0: only the topmost state changes

    ASSERT_EQ(S_OK, Call(object_, kSetWindowPosition, {Long(handle())}));  // trailing ones left out
    EXPECT_FALSE(GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(DispatchInvokerTest, ResultsAndCallerErrors) {
    VARIANT caption;
    VariantInit(&caption);
    caption.vt = VT_BSTR;
    caption.bstrVal = SysAllocString(L"invoke test");
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(object_, kFindWindowCaption, {caption}, &result, DISPATCH_METHOD | DISPATCH_PROPERTYGET));
    EXPECT_EQ(VT_I4, result.vt);
    EXPECT_EQ(handle(), result.lVal);
    VariantClear(&caption);

    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"not a number");
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(object_, kGetWindowPosition, {text, Long(0), Long(0), Long(0), Long(0)}));
    VARIANT notNumeric;
    VariantInit(&notNumeric);
    notNumeric.vt = VT_BSTR;
    notNumeric.bstrVal = SysAllocString(L"abc");
    VARIANT empty;
    VariantInit(&empty);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(object_, kGetWindowPosition, {Long(0), RefTo(&notNumeric), RefTo(&empty), RefTo(&empty), RefTo(&empty)}));
    VariantClear(&notNumeric);
    VariantClear(&text);
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, Call(object_, kGetWindowPosition, {Long(0)}));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(object_, kFindWindowCaption, {Long(1), Long(2)}));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(object_, 0x6003FFFF, {}));
}

// Every type the library's members use, as an argument by value, by reference and as a result.
constexpr DISPID kText = 0;
constexpr DISPID kArrayAsc = 0x60030004;
constexpr DISPID kStrLeft = 0x6003000A;
constexpr DISPID kToCurrency = 0x60030015;
constexpr DISPID kToInteger = 0x60030017;
constexpr DISPID kToLong = 0x60030018;
constexpr DISPID kToSingle = 0x60030019;
constexpr DISPID kToDouble = 0x60030016;
constexpr DISPID kToDate = 0x6003001C;
constexpr DISPID kColorBase = 0x6003000A;
constexpr DISPID kTranslateColor = 0x6003000C;
constexpr DISPID kDesktophWnd = 0x60030006;
constexpr DISPID kGetMonitorInfo = 0x60030025;

VARIANT Of(VARTYPE vt, double value) {
    VARIANT number, v;
    VariantInit(&number);
    VariantInit(&v);
    number.vt = VT_R8;
    number.dblVal = value;
    EXPECT_EQ(S_OK, VariantChangeType(&v, &number, 0, vt)) << vt;
    return v;
}

VARIANT Text(const wchar_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

// The caller's own variable of a plain type, passed as VT_BYREF | type.
struct TypedVariable {
    explicit TypedVariable(const VARIANT& value) : held(value) {}
    VARIANT Ref() {
        VARIANT v;
        v.vt = VT_BYREF | held.vt;
        v.byref = held.vt == VT_BSTR ? static_cast<void*>(&held.bstrVal) : static_cast<void*>(&held.llVal);
        return v;
    }
    ~TypedVariable() { VariantClear(&held); }
    VARIANT held;
};

VARIANT Null() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_NULL;
    return v;
}

// Equal as numbers, whatever their types (VarCmp knows no unsigned longs).
bool SameNumber(const VARIANT& a, const VARIANT& b) {
    VARIANT x, y;
    VariantInit(&x);
    VariantInit(&y);
    return SUCCEEDED(VariantChangeType(&x, const_cast<VARIANT*>(&a), 0, VT_R8)) &&
           SUCCEEDED(VariantChangeType(&y, const_cast<VARIANT*>(&b), 0, VT_R8)) && x.dblVal == y.dblVal;
}

std::wstring TextOf(const VARIANT& v) { return v.vt == VT_BSTR && v.bstrVal ? v.bstrVal : L"?"; }

class InvokeTypes : public ::testing::Test {
protected:
    void SetUp() override {
        text_ = new kx::KxString();
        VARIANT value = Text(L"7abcdef");
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params = {&value, &named, 1, 1};
        ASSERT_EQ(S_OK, text_->Invoke(kText, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
        VariantClear(&value);
        graph_ = new kx::KxGraph();
    }
    void TearDown() override {
        text_->Release();
        graph_->Release();
    }
    IDispatch* text_ = nullptr;
    IDispatch* graph_ = nullptr;
};

TEST_F(InvokeTypes, ArgumentsOfEveryTypeByValueAndByReference) {
    const VARTYPE types[] = {VT_I2, VT_I4, VT_R4, VT_R8, VT_CY, VT_DATE, VT_UI1, VT_BSTR, VT_DECIMAL, VT_I8, VT_UI4};
    for (VARTYPE vt : types) {
        VARIANT result;
        VariantInit(&result);
        VARIANT three = Of(vt, 3);
        ASSERT_EQ(S_OK, Call(text_, kStrLeft, {three}, &result)) << vt;
        EXPECT_EQ(L"7ab", TextOf(result)) << vt;
        VariantClear(&result);
        VariantClear(&three);

        // The caller's variable keeps its type and value after a round trip through Integer.
        if (vt == VT_DECIMAL) continue;  // a by-reference Decimal needs storage of its own
        TypedVariable variable(Of(vt, 4));
        ASSERT_EQ(S_OK, Call(text_, kStrLeft, {variable.Ref()}, &result)) << vt;
        EXPECT_EQ(L"7abc", TextOf(result)) << vt;
        VariantClear(&result);
        EXPECT_EQ(vt, variable.held.vt);
        VARIANT four = Of(vt, 4);
        EXPECT_TRUE(SameNumber(variable.held, four)) << vt;
        VariantClear(&four);
    }
    // A Variant variable holding a Boolean: True is -1, which StrLeft refuses as any Integer -1.
    VARIANT yes = Of(VT_BOOL, -1);
    EXPECT_EQ(DISP_E_EXCEPTION, Call(text_, kStrLeft, {RefTo(&yes)}));
}

TEST_F(InvokeTypes, ResultsOfEveryType) {
    const struct {
        DISPID member;
        std::vector<VARIANT> args;
        VARTYPE vt;
        double value;
    } cases[] = {
        {kToCurrency, {}, VT_CY, 0},  // "7abcdef" is no number
        {kToInteger, {}, VT_I2, 0},
        {kToLong, {}, VT_I4, 0},
        {kToSingle, {}, VT_R4, 0},
        {kToDouble, {}, VT_R8, 0},
        {kToDate, {}, VT_DATE, 0},
        {kArrayAsc, {Long(1)}, VT_UI1, '7'},
    };
    for (const auto& c : cases) {
        VARIANT result;
        VariantInit(&result);
        ASSERT_EQ(S_OK, Call(text_, c.member, c.args, &result)) << std::hex << c.member;
        EXPECT_EQ(c.vt, result.vt) << std::hex << c.member;
        VARIANT expected = Of(c.vt, c.value);
        EXPECT_TRUE(SameNumber(result, expected)) << std::hex << c.member;
        VariantClear(&result);
    }
}

TEST_F(InvokeTypes, CurrencyResultsOfNumbers) {
    VARIANT text = Text(L"7");
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&text, &named, 1, 1};
    ASSERT_EQ(S_OK, text_->Invoke(kText, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
    VariantClear(&text);
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(text_, kToCurrency, {}, &result));
    ASSERT_EQ(VT_CY, result.vt);
    EXPECT_EQ(70000, result.cyVal.int64);
}

// OLE_COLOR takes any 32-bit value bit for bit; what holds no 32-bit value is refused, never guessed.
TEST_F(InvokeTypes, ColoursTakeEvery32BitValue) {
    const struct {
        VARIANT color;
        HRESULT hr;
        long translated;
    } cases[] = {
        {Of(VT_I2, -1), S_OK, -1},
        {Of(VT_I4, -1), S_OK, -1},
        {Of(VT_R8, 4294967295.0), S_OK, -1},
        {Of(VT_UI4, 0xFFFFFFFF), S_OK, -1},
        {Of(VT_UI1, 200), S_OK, 200},
        {Of(VT_CY, 255), S_OK, 255},
        {Of(VT_R8, 5000000000.0), DISP_E_OVERFLOW, 0},
        {Text(L"no colour"), DISP_E_TYPEMISMATCH, 0},
        {Null(), DISP_E_TYPEMISMATCH, 0},
    };
    for (const auto& c : cases) {
        VARIANT result;
        VariantInit(&result);
        EXPECT_EQ(c.hr, Call(graph_, kTranslateColor, {c.color}, &result)) << c.color.vt;
        if (c.hr == S_OK) {
            EXPECT_EQ(VT_I4, result.vt);
            EXPECT_EQ(c.translated, result.lVal) << c.color.vt;
        }
        VariantClear(const_cast<VARIANT*>(&c.color));
    }
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(graph_, kColorBase, {Of(VT_I2, -1), Long(176)}, &result));
    EXPECT_EQ(0xB0B0FF, result.lVal);
}

// Objects, arrays and records where a number is wanted: a type mismatch, never a crash.
TEST_F(InvokeTypes, ValuesThatHoldNoNumberAreTypeMismatches) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 2);
    VARIANT arrayValue;
    arrayValue.vt = VT_ARRAY | VT_I4;
    arrayValue.parray = array;
    VARIANT unknown;
    unknown.vt = VT_UNKNOWN;
    unknown.punkVal = text_;
    text_->AddRef();
    VARIANT error;
    error.vt = VT_ERROR;
    error.scode = E_FAIL;
    for (VARIANT* value : {&arrayValue, &unknown, &error}) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(text_, kStrLeft, {*value})) << value->vt;
        EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(text_, kStrLeft, {RefTo(value)})) << value->vt;
        EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(graph_, kTranslateColor, {*value})) << value->vt;
        VariantClear(value);
    }
}

// An optional by-reference Long left out reaches the member as "left out", not as a zero it would fill.
TEST_F(DispatchInvokerTest, AnOmittedOptionalNumberByReferenceIsLeftOut) {
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(object_, kDesktophWnd, {}, &result));
    EXPECT_EQ(kx::LongFromHandle(GetDesktopWindow()), result.lVal);
    VARIANT dc;
    VariantInit(&dc);
    ASSERT_EQ(S_OK, Call(object_, kDesktophWnd, {RefTo(&dc)}, &result));
    ASSERT_EQ(VT_I4, dc.vt);
    EXPECT_NE(0, dc.lVal);
    ReleaseDC(GetDesktopWindow(), kx::HandleFromLong<HDC>(dc.lVal));
}

// A record comes back as VT_RECORD with the library's record information, after the member has run.
TEST(InvokeRecords, GetMonitorInfoReturnsARecordAndItsOwnErrorsFirst) {
    IDispatch* info = new kx::KxSystemInfo();
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(info, kGetMonitorInfo, {Long(0)}, &result));
    ASSERT_EQ(VT_RECORD, result.vt);
    ASSERT_NE(nullptr, result.pRecInfo);
    GUID guid = {};
    ASSERT_EQ(S_OK, result.pRecInfo->GetGuid(&guid));
    const GUID kMonitorType = {0x7A956FDB, 0x24DB, 0x4392, {0xA8, 0xB5, 0x08, 0xF9, 0xD1, 0x72, 0x51, 0x71}};
    EXPECT_EQ(kMonitorType, guid);
    const auto* monitor = static_cast<const kxMonitorType*>(result.pvRecord);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), monitor->MonitorWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), monitor->MonitorHeight);
    EXPECT_EQ(VARIANT_TRUE, monitor->Primary);
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(S_OK, VariantCopy(&copy, &result));  // a client keeps its own copy
    EXPECT_EQ(monitor->MonitorWidth, static_cast<const kxMonitorType*>(copy.pvRecord)->MonitorWidth);
    VariantClear(&copy);
    VariantClear(&result);

    EXCEPINFO exception = {};
    VARIANT index = Long(1000);
    DISPPARAMS params = {&index, nullptr, 1, 0};
    EXPECT_EQ(DISP_E_EXCEPTION,
              info->Invoke(kGetMonitorInfo, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &exception, nullptr));
    EXPECT_EQ(static_cast<SCODE>(0x800A0009), exception.scode);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    info->Release();
}

}  // namespace
