#include "LocaleTextComparer.h"

#include <windows.h>

namespace kx {

int LocaleTextComparer::Order(std::wstring_view a, std::wstring_view b) const {
    const DWORD flags = NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;
    const int result = CompareStringW(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()), b.data(),
                                      static_cast<int>(b.size()));
    if (result == 0) return BinaryComparison().Order(a, b);  // not comparable in the locale
    return result - CSTR_EQUAL;
}

const TextComparer& ComparerForMethod(long compareMethod) {
    static const LocaleTextComparer localeComparer;
    return compareMethod == 0 ? BinaryComparison() : static_cast<const TextComparer&>(localeComparer);
}

}  // namespace kx
