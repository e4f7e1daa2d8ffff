#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The calculator's running total: a signed 32-bit integer that successive text values are combined into.
namespace zarvanta {

// Numbered as the calculator zones are.
enum class TotalOperation { Reset = 0, Add, Subtract, Multiply, Divide, Remainder };

// The operation a character typed into the text box runs: + - * / #.
std::optional<TotalOperation> OperationOfKey(wchar_t key);
// The symbol of the operation's list row ("+", "-", "*", "/", "#"; empty for Reset).
std::wstring_view SymbolOf(TotalOperation operation);

class RunningTotal {
public:
    std::int32_t Value() const { return total_; }

    // Applies the operation with a text's value. A result that does not fit in 32 bits is refused: the
    // total stays as it was and the call returns false. Divide and Remainder by 0 leave it unchanged.
    bool Apply(TotalOperation operation, std::int32_t value);

private:
    std::int32_t total_ = 0;
};

}  // namespace zarvanta
