#pragma once
#include <string>

// Choosing and switching the keyboard layout between US English and Persian, by the platform's
// eight-digit layout names.
namespace kx {

inline constexpr const wchar_t* kUsEnglishLayout = L"00000409";
inline constexpr const wchar_t* kPersianLayout = L"00000429";
inline constexpr const wchar_t* kArabicLayout = L"00000401";

// Loads of a layout that keeps failing stop after this many.
constexpr int kMaxLayoutLoads = 3;

// The platform's side: the active layout's name, and loading plus activating a layout.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    virtual std::wstring ActiveName() = 0;
    virtual bool Load(const std::wstring& name) = 0;  // false when the platform gave no layout
};

// 1 for US English, 0 for Persian or Arabic, -1 for any other layout.
short LanguageOfLayout(const std::wstring& name);

// US English for a non-zero langId, else Persian; a non-empty code replaces either.
std::wstring WantedLayout(short langId, const std::wstring& code);

// Activates the wanted layout unless it is active already. When it cannot be loaded and langId is
// 0, Arabic takes Persian's place; at most kMaxLayoutLoads loads in all.
void SwitchKeyboardLayout(short langId, std::wstring wanted, KeyboardLayouts& layouts);

}  // namespace kx
