// Every member's parameter and result types as the type library publishes them: by reference or by
// value, optional, defaults, Currency, OLE_COLOR. Hosts build calls and property pages from these.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Korvix32_h.h"
#include "MemberSignature.h"
#include "TypeLibrarySupport.h"

namespace {

struct ClassSignatures {
    const char* label;
    const IID* iid;
    std::vector<std::wstring> members;  // in vtable order
};

#include "MemberTypesTable.inc"

std::vector<std::wstring> SignaturesOf(ITypeInfo* info) {
    std::vector<std::wstring> lines;
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr))) return lines;
    for (UINT slot = 0; slot < attr->cFuncs; ++slot) {
        FUNCDESC* desc = nullptr;
        if (FAILED(info->GetFuncDesc(slot, &desc))) continue;
        lines.push_back(kxtest::Signature(info, *desc));
        info->ReleaseFuncDesc(desc);
    }
    info->ReleaseTypeAttr(attr);
    return lines;
}

TEST(MemberTypes, EveryClassPublishesTheTypesOfItsMemberTable) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    for (const ClassSignatures& c : kClassSignatures) {
        ITypeInfo* info = kxtest::VtableInfo(library, *c.iid);
        ASSERT_NE(nullptr, info) << c.label;
        const std::vector<std::wstring> actual = SignaturesOf(info);
        info->Release();
        EXPECT_EQ(c.members.size(), actual.size()) << c.label;
        for (size_t i = 0; i < actual.size() && i < c.members.size(); ++i)
            EXPECT_EQ(c.members[i], actual[i]) << c.label << " slot " << i;
        if (::testing::Test::HasFailure() || getenv("KX_PRINT_SIGNATURES")) {
            for (const std::wstring& line : actual) printf("%s | %ls\n", c.label, line.c_str());
        }
    }
    library->Release();
}

}  // namespace
