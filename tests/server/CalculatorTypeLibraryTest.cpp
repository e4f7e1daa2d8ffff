// kxCalculator's published shape: ResetValue, Enabled with the standard identity, Value the default
// member, and GetValue with the double-click event's identity.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet;

TEST(CalculatorTypeLibrary, MembersAndEventInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxCalculator,
                                     {
                                         {L"ResetValue", 0x60030000, kCall},
                                         {L"Enabled", -514, kGet},
                                         {L"Enabled", -514, kLet},
                                         {L"Value", 0, kGet},
                                         {L"Value", 0, kLet},
                                     },
                                     DIID___kxCalculator, {{L"GetValue", -601, kCall}});
    library->Release();
}

}  // namespace
