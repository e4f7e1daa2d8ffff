// The shared late-bound Invoke, exercised through kxWindow: how script callers pass arguments.
#include <gtest/gtest.h>

#include <vector>

#include "Handles.h"
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

}  // namespace
