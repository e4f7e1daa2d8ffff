#pragma once
#include <optional>
#include <string>

#include "LookupCriterion.h"

// A Find criterion of the one form the lookup combo writes: a field name, "=", and a literal: a number
// (12, -1.5), a date between # signs as month-day-year (#03-01-2024#), True or False, or text between
// single quotes with each quote in it doubled ('O''Brien'). Plain code for the in-memory record set.
namespace kx {

struct FindCriterion {
    std::wstring field;
    KeyKind kind = KeyKind::Text;
    double number = 0;
    int month = 0, day = 0, year = 0;
    bool boolean = false;
    std::wstring text;
};

// Nothing when the criterion is not of that form.
std::optional<FindCriterion> ParseFindCriterion(const std::wstring& criterion);

}  // namespace kx
