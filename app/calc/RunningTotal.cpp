#include "RunningTotal.h"

#include <cmath>

#include "Rounding.h"

namespace zarvanta {

std::optional<TotalOperation> OperationOfKey(wchar_t key) {
    switch (key) {
    case L'+': return TotalOperation::Add;
    case L'-': return TotalOperation::Subtract;
    case L'*': return TotalOperation::Multiply;
    case L'/': return TotalOperation::Divide;
    case L'#': return TotalOperation::Remainder;
    default: return std::nullopt;
    }
}

std::wstring_view SymbolOf(TotalOperation operation) {
    switch (operation) {
    case TotalOperation::Add: return L"+";
    case TotalOperation::Subtract: return L"-";
    case TotalOperation::Multiply: return L"*";
    case TotalOperation::Divide: return L"/";
    case TotalOperation::Remainder: return L"#";
    default: return L"";
    }
}

namespace {

// The exact result of the operation in 64 bits; nothing for a division by 0 (the total stays).
std::optional<std::int64_t> Result(TotalOperation operation, std::int64_t total, std::int64_t value) {
    switch (operation) {
    case TotalOperation::Reset: return 0;
    case TotalOperation::Add: return total + value;
    case TotalOperation::Subtract: return total - value;
    case TotalOperation::Multiply: return total * value;
    case TotalOperation::Divide:
        if (value == 0) return std::nullopt;
        // Both operands fit in a double exactly; the quotient's half cases are exact too.
        return static_cast<std::int64_t>(kx::RoundHalfEven(static_cast<double>(total) / static_cast<double>(value)));
    case TotalOperation::Remainder:
        if (value == 0) return std::nullopt;
        return total % value;  // truncated toward zero: the sign of the total
    }
    return std::nullopt;
}

}  // namespace

bool RunningTotal::Apply(TotalOperation operation, std::int32_t value) {
    const std::optional<std::int64_t> result = Result(operation, total_, value);
    if (!result) return true;
    if (*result < INT32_MIN || *result > INT32_MAX) return false;
    total_ = static_cast<std::int32_t>(*result);
    return true;
}

}  // namespace zarvanta
