#pragma once
#include <array>
#include <string_view>

// The ten switchable normalisation rules of the engine, numbered as the main window shows them.
namespace zarvanta {

enum class AbjadOption {
    RepeatTashdid = 0,
    ReplaceAlef,
    ReplaceYahHamza,
    ReplaceHamza,
    ReplaceVavHamzah,
    ReplaceGaf,
    ReplaceJ,
    ReplaceCh,
    ReplacePeh,
    ReplaceTahMaksore,
};

class AbjadOptions {
public:
    static constexpr int kCount = 10;

    AbjadOptions() { ResetToDefaults(); }

    // Option 0 off, options 1 to 9 on.
    static bool DefaultOf(int index) { return index != 0; }
    // The option's name, as its toggle's tooltip shows it; empty for an index out of range.
    static std::wstring_view NameOf(int index);

    bool IsOn(AbjadOption option) const { return flags_[static_cast<int>(option)]; }
    // Indexes outside 0..9 read as off and are ignored when set.
    bool IsOn(int index) const { return IsIndex(index) && flags_[index]; }
    void Set(int index, bool on);
    void Toggle(int index) { Set(index, !IsOn(index)); }
    void ResetToDefaults();

    bool operator==(const AbjadOptions&) const = default;

private:
    static bool IsIndex(int index) { return index >= 0 && index < kCount; }
    std::array<bool, kCount> flags_{};
};

}  // namespace zarvanta
