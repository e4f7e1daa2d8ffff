#include "KeyboardLayoutSwitch.h"

namespace kx {

short LanguageOfLayout(const std::wstring& name) {
    if (name == kUsEnglishLayout) return 1;
    if (name == kPersianLayout || name == kArabicLayout) return 0;
    return -1;
}

std::wstring WantedLayout(short langId, const std::wstring& code) {
    if (!code.empty()) return code;
    return langId != 0 ? kUsEnglishLayout : kPersianLayout;
}

void SwitchKeyboardLayout(short langId, std::wstring wanted, KeyboardLayouts& layouts) {
    for (int loads = 0; loads < kMaxLayoutLoads; ++loads) {
        if (layouts.ActiveName() == wanted) return;
        if (layouts.Load(wanted)) return;
        if (langId == 0) wanted = kArabicLayout;
    }
}

}  // namespace kx
