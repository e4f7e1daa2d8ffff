#include "AbjadOptions.h"

namespace zarvanta {

std::wstring_view AbjadOptions::NameOf(int index) {
    static constexpr std::array<std::wstring_view, kCount> kNames = {
        L"Repeat Tashdid",   L"Replace Alef", L"Replace Yah Hamza", L"Replace Hamza", L"Replace Vav Hamzah",
        L"Replace Gaf",      L"Replace J",    L"Replace Ch",        L"Replace Peh",   L"Replace Tah Maksore",
    };
    return IsIndex(index) ? kNames[index] : std::wstring_view();
}

void AbjadOptions::Set(int index, bool on) {
    if (IsIndex(index)) flags_[index] = on;
}

void AbjadOptions::ResetToDefaults() {
    for (int i = 0; i < kCount; ++i) flags_[i] = DefaultOf(i);
}

}  // namespace zarvanta
