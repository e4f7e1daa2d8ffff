// Members of a caller's objects reached by name: the names through IDispatchEx where the object has it,
// and the runtime's error numbers for every failure.
#include <gtest/gtest.h>

#include <string>

#include "ErrorInfo.h"
#include "LateBinding.h"
#include "ScriptObject.h"

namespace {

using kxtest::ScriptObject;

// The error number a late-bound call fails with; 0 when it succeeds.
template <class Call>
int ErrorOf(Call call, std::wstring* text = nullptr) {
    try {
        call();
        return 0;
    } catch (const kx::Error& e) {
        if (text) *text = e.text;
        return e.number;
    }
}

// A property that keeps what is put into it.
void AddStored(ScriptObject& object, const wchar_t* name, DISPID id, VARIANT& stored) {
    object.Add(name, id, [&stored](WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*) {
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (params->cArgs != 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
                return DISP_E_BADPARAMCOUNT;
            return VariantCopy(&stored, &params->rgvarg[0]);
        }
        return VariantCopy(result, &stored);
    });
}

TEST(LateBinding, NamesAreFoundThroughIDispatchExWithoutRegardToCaseOrThroughGetIDsOfNames) {
    for (const auto names : {ScriptObject::Names::ByGetDispIDOnly, ScriptObject::Names::ByGetIDsOfNames}) {
        ScriptObject object(names);
        object.AddLong(L"Hwnd", 7, 1234);
        VARIANT stored;
        VariantInit(&stored);
        AddStored(object, L"Caption", 8, stored);
        DISPID id = 0;
        EXPECT_EQ(S_OK, kx::FindMemberId(&object, L"HWND", id));
        EXPECT_EQ(7, id);
        EXPECT_EQ(1234, kx::GetLongProperty(&object, L"hwnd"));
        kx::PutTextProperty(&object, L"caption", L"متن");
        EXPECT_EQ(L"متن", kx::GetTextProperty(&object, L"Caption"));
        kx::PutDoubleProperty(&object, L"Caption", 2.5);
        EXPECT_EQ(2.5, kx::GetDoubleProperty(&object, L"Caption"));
        kx::PutBoolProperty(&object, L"Caption", true);
        EXPECT_TRUE(kx::GetBoolProperty(&object, L"Caption"));
        kx::PutPropertyRef(&object, L"Caption", &object);
        EXPECT_EQ(VT_DISPATCH, stored.vt);
        VariantClear(&stored);
        EXPECT_EQ(438, ErrorOf([&] { kx::GetLongProperty(&object, L"Width"); }));
    }
}

TEST(LateBinding, AnIndexGoesAsTheOneArgumentAndTheDefaultValueIsMemberZero) {
    ScriptObject list(ScriptObject::Names::ByGetDispIDOnly);
    list.Add(L"List", 3, [](WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*) {
        if (params->cArgs != 1 || params->rgvarg[0].vt != VT_I4) return DISP_E_BADPARAMCOUNT;
        result->vt = VT_I4;
        result->lVal = params->rgvarg[0].lVal * 10;
        return S_OK;
    });
    list.AddLong(L"Value", DISPID_VALUE, 42);
    kx::OwnedVariant entry;
    kx::GetProperty(&list, L"list", 4, entry);
    EXPECT_EQ(40, entry->lVal);
    kx::GetDefaultValue(&list, entry);
    EXPECT_EQ(42, entry->lVal);
    EXPECT_EQ(91, ErrorOf([&] { kx::GetDefaultValue(nullptr, entry); }));
}

HRESULT STDAPICALLTYPE FillInOverflow(EXCEPINFO* exception) {
    exception->scode = DISP_E_OVERFLOW;
    return S_OK;
}

// Every failure as the classic runtime numbers it.
TEST(LateBinding, FailuresCarryTheRuntimesNumbers) {
    struct Case {
        const char* name;
        HRESULT hr;
        EXCEPINFO exception;
        int error;
    };
    const Case cases[] = {
        {"type mismatch", DISP_E_TYPEMISMATCH, {}, 13},
        {"overflow", DISP_E_OVERFLOW, {}, 6},
        {"bad index", DISP_E_BADINDEX, {}, 9},
        {"no such member", DISP_E_MEMBERNOTFOUND, {}, 438},
        {"argument not optional", DISP_E_PARAMNOTOPTIONAL, {}, 449},
        {"wrong number of arguments", DISP_E_BADPARAMCOUNT, {}, 450},
        {"out of memory", E_OUTOFMEMORY, {}, 7},
        {"a numbered error", kx::ErrorHResult(380), {}, 380},
        {"any other failure", E_FAIL, {}, 5},
        {"an exception with its status", DISP_E_EXCEPTION, {0, 0, nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                                             kx::ErrorHResult(70)}, 70},
        {"an exception with its code", DISP_E_EXCEPTION, {1004}, 1004},
        {"an exception filled in later", DISP_E_EXCEPTION, {0, 0, nullptr, nullptr, nullptr, 0, nullptr,
                                                            &FillInOverflow}, 6},
        {"an exception without a number", DISP_E_EXCEPTION, {}, 5},
    };
    for (const Case& c : cases) {
        ScriptObject object(ScriptObject::Names::ByGetDispIDOnly);
        object.Add(L"Failing", 1, [&c](WORD, DISPPARAMS*, VARIANT*, EXCEPINFO* exception) {
            if (exception && c.hr == DISP_E_EXCEPTION) {
                *exception = c.exception;
                exception->bstrDescription = SysAllocString(L"the object's own text");
            }
            return c.hr;
        });
        std::wstring text;
        EXPECT_EQ(c.error, ErrorOf([&] { kx::GetLongProperty(&object, L"Failing"); }, &text)) << c.name;
        if (c.hr == DISP_E_EXCEPTION) {
            EXPECT_EQ(L"the object's own text", text) << c.name;
        }
        EXPECT_EQ(c.error, ErrorOf([&] { kx::PutLongProperty(&object, L"Failing", 1); })) << c.name;
    }
    EXPECT_EQ(91, ErrorOf([] { kx::GetLongProperty(nullptr, L"Hwnd"); }));
    EXPECT_EQ(91, ErrorOf([] { kx::PutLongProperty(nullptr, L"Hwnd", 1); }));
}

}  // namespace
