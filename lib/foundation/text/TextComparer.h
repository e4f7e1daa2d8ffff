#pragma once
#include <cstddef>
#include <string_view>

// How texts compare: by code units (binary) or by a locale's rules. Pure logic, no platform calls.
namespace kx {

class TextComparer {
public:
    virtual ~TextComparer() = default;
    // Negative, zero or positive as a sorts before, with or after b.
    virtual int Order(std::wstring_view a, std::wstring_view b) const = 0;
    // 0-based index of the first window of text, at or after from, equal to find; npos when none.
    virtual size_t Find(std::wstring_view text, std::wstring_view find, size_t from) const;
    bool Equal(std::wstring_view a, std::wstring_view b) const { return Order(a, b) == 0; }
};

// Exact code units; a text that is a prefix of another sorts first.
class BinaryComparer final : public TextComparer {
public:
    int Order(std::wstring_view a, std::wstring_view b) const override;
    size_t Find(std::wstring_view text, std::wstring_view find, size_t from) const override;
};

const TextComparer& BinaryComparison();

}  // namespace kx
