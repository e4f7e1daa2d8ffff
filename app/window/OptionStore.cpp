#include "OptionStore.h"

#include "BstrArgument.h"
#include "settings/OptionText.h"

namespace zarvanta {

namespace {

constexpr wchar_t kSection[] = L"Option";

std::wstring KeyOf(int index) { return L"Item" + std::to_wstring(index); }

}  // namespace

std::wstring ConfigFileBeside(const std::wstring& programFolder) { return programFolder + L"\\Config.ini"; }

void OptionStore::Load(AbjadOptions& options) {
    _kxRegistry* registry = library_.Registry();
    for (int i = 0; i < AbjadOptions::kCount; ++i) {
        bool on = AbjadOptions::DefaultOf(i);
        if (registry) {
            BstrArgument section(kSection), key(KeyOf(i)), fallback(OptionText(on)), file(file_);
            VARIANT value;
            VariantInit(&value);
            if (SUCCEEDED(registry->GetProfileText(section.Out(), key.Out(), fallback.Out(), file.Out(), &value)) &&
                value.vt == VT_BSTR) {
                on = ReadOptionText(value.bstrVal ? value.bstrVal : L"").value_or(on);
            }
            VariantClear(&value);
        }
        options.Set(i, on);
    }
}

void OptionStore::Save(const AbjadOptions& options) {
    _kxRegistry* registry = library_.Registry();
    if (!registry) return;
    for (int i = 0; i < AbjadOptions::kCount; ++i) {
        BstrArgument section(kSection), key(KeyOf(i)), text(OptionText(options.IsOn(i))), file(file_);
        VARIANT_BOOL written = VARIANT_FALSE;
        registry->WriteProfileText(section.Out(), key.Out(), text.Out(), file.Out(), &written);
    }
}

}  // namespace zarvanta
