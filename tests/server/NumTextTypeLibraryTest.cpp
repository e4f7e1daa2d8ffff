// kxNumText's published shape and its creation by program identity from the registered server.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet;

TEST(NumTextTypeLibrary, MembersInInterfaceOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    ITypeInfo* members = kxtest::VtableInfo(library, IID__kxNumText);
    ASSERT_NE(nullptr, members);
    kxtest::ExpectFunctions(members,
                            {
                                {L"Value", 0x68030000, kGet},
                                {L"Number", 0x68030001, kGet},
                                {L"Number", 0x68030001, kLet},
                                {L"TranslateFa", 0x60030003, kCall},
                                {L"TranslateEn", 0x60030004, kCall},
                            },
                            "kxNumText");

    // tNumber and AddOM: optional by-reference parameters whose defaults are 0 and False.
    const struct {
        UINT slot;
        std::vector<VARTYPE> types;
    } methods[] = {{3, {VT_R8, VT_BOOL}}, {4, {VT_R8}}};
    for (const auto& method : methods) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, members->GetFuncDesc(method.slot, &desc));
        ASSERT_EQ(static_cast<SHORT>(method.types.size() + 1), desc->cParams) << method.slot;
        const ELEMDESC& result = desc->lprgelemdescParam[method.types.size()];
        EXPECT_TRUE(result.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) << method.slot;
        EXPECT_EQ(VT_BSTR, result.tdesc.lptdesc->vt) << method.slot;
        for (size_t i = 0; i < method.types.size(); ++i) {
            const ELEMDESC& param = desc->lprgelemdescParam[i];
            ASSERT_EQ(VT_PTR, param.tdesc.vt) << method.slot << " #" << i;
            EXPECT_EQ(method.types[i], param.tdesc.lptdesc->vt) << method.slot << " #" << i;
            const USHORT flags = param.paramdesc.wParamFlags;
            EXPECT_TRUE((flags & PARAMFLAG_FOPT) && (flags & PARAMFLAG_FHASDEFAULT)) << method.slot << " #" << i;
            if (flags & PARAMFLAG_FHASDEFAULT) {
                VARIANT zero;
                VariantInit(&zero);
                ASSERT_EQ(S_OK, VariantChangeType(&zero, &param.paramdesc.pparamdescex->varDefaultValue, 0, VT_I4));
                EXPECT_EQ(0, zero.lVal) << method.slot << " #" << i;
            }
        }
        members->ReleaseFuncDesc(desc);
    }
    members->Release();
    library->Release();
}

TEST(NumTextProgramIdentity, CreatesTheClassAndTranslates) {
    kxtest::ComScope com;
    CLSID clsid = {};
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Korvix32.kxNumText", &clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_kxNumText));
    _kxNumText* words = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxNumText, nullptr, CLSCTX_INPROC_SERVER, IID__kxNumText,
                                     reinterpret_cast<void**>(&words)));
    double number = 1234;
    BSTR text = nullptr;
    ASSERT_EQ(S_OK, words->TranslateEn(&number, &text));
    EXPECT_EQ(std::wstring(L"one thousand and two hun dred thirty four"), std::wstring(text));
    SysFreeString(text);
    words->Release();
}

}  // namespace
