#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "calc/RunningTotal.h"
#include "settings/OptionText.h"

namespace {

using zarvanta::RunningTotal;
using zarvanta::TotalOperation;

struct Step {
    std::int32_t start;
    TotalOperation operation;
    std::int32_t value;
    bool fits;
    std::int32_t total;
};

RunningTotal TotalOf(std::int32_t start) {
    RunningTotal total;
    total.Apply(TotalOperation::Add, start);
    return total;
}

TEST(RunningTotal, OperationsTable) {
    const Step steps[] = {
        {5, TotalOperation::Add, 0, true, 5},
        {5, TotalOperation::Subtract, 7, true, -2},
        {5, TotalOperation::Multiply, 0, true, 0},
        {7, TotalOperation::Divide, 2, true, 4},     // halves to even
        {5, TotalOperation::Divide, 2, true, 2},
        {-7, TotalOperation::Divide, 2, true, -4},
        {10, TotalOperation::Divide, 4, true, 2},
        {9, TotalOperation::Divide, 0, true, 9},     // by 0: unchanged
        {7, TotalOperation::Remainder, 3, true, 1},
        {-7, TotalOperation::Remainder, 3, true, -1},
        {7, TotalOperation::Remainder, -3, true, 1},
        {7, TotalOperation::Remainder, 0, true, 7},
        {123, TotalOperation::Reset, 55, true, 0},
        // Results beyond 32 bits are refused and the total stays.
        {INT32_MAX, TotalOperation::Add, 1, false, INT32_MAX},
        {INT32_MIN, TotalOperation::Subtract, 1, false, INT32_MIN},
        {65536, TotalOperation::Multiply, 65536, false, 65536},
        {INT32_MIN, TotalOperation::Divide, -1, false, INT32_MIN},
        {INT32_MIN, TotalOperation::Remainder, -1, true, 0},
        {INT32_MAX, TotalOperation::Subtract, INT32_MIN + 1, false, INT32_MAX},
    };
    for (const Step& step : steps) {
        RunningTotal total;
        if (step.start == INT32_MIN) {
            total.Apply(TotalOperation::Add, INT32_MIN);
        } else {
            total = TotalOf(step.start);
        }
        ASSERT_EQ(step.start, total.Value());
        EXPECT_EQ(step.fits, total.Apply(step.operation, step.value))
            << step.start << " op " << static_cast<int>(step.operation) << " " << step.value;
        EXPECT_EQ(step.total, total.Value())
            << step.start << " op " << static_cast<int>(step.operation) << " " << step.value;
    }
}

TEST(RunningTotal, KeysAndSymbols) {
    const struct {
        wchar_t key;
        TotalOperation operation;
        const wchar_t* symbol;
    } keys[] = {{L'+', TotalOperation::Add, L"+"},
                {L'-', TotalOperation::Subtract, L"-"},
                {L'*', TotalOperation::Multiply, L"*"},
                {L'/', TotalOperation::Divide, L"/"},
                {L'#', TotalOperation::Remainder, L"#"}};
    for (const auto& k : keys) {
        ASSERT_TRUE(zarvanta::OperationOfKey(k.key).has_value()) << static_cast<int>(k.key);
        EXPECT_EQ(k.operation, *zarvanta::OperationOfKey(k.key));
        EXPECT_EQ(std::wstring_view(k.symbol), zarvanta::SymbolOf(k.operation));
    }
    for (wchar_t other : {L'=', L'x', L'\x0645', L'%', L'\r'}) EXPECT_FALSE(zarvanta::OperationOfKey(other)) << static_cast<int>(other);
    EXPECT_TRUE(zarvanta::SymbolOf(TotalOperation::Reset).empty());
}

TEST(OptionText, ReadsWhatTheProgramWritesAndNumbers) {
    const struct {
        const wchar_t* text;
        int expected;  // 1 on, 0 off, -1 unreadable
    } cases[] = {
        {L"True", 1}, {L"False", 0}, {L"true", 1}, {L" FALSE ", 0}, {L"1", 1}, {L"0", 0}, {L"-1", 1},
        {L"2.5", 1},  {L"0.0", 0},   {L"", -1},    {L"yes", -1},    {L"Tru", -1}, {L"1 2", -1},
    };
    for (const auto& c : cases) {
        const std::optional<bool> read = zarvanta::ReadOptionText(c.text);
        if (c.expected < 0) {
            EXPECT_FALSE(read.has_value()) << c.text;
        } else {
            ASSERT_TRUE(read.has_value()) << c.text;
            EXPECT_EQ(c.expected == 1, *read) << c.text;
        }
    }
    EXPECT_EQ(L"True", zarvanta::OptionText(true));
    EXPECT_EQ(L"False", zarvanta::OptionText(false));
}

}  // namespace
