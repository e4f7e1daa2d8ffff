#pragma once
#include <optional>
#include <string>

// The search criterion that the lookup combo hands to its record source's Find: the key field, " = " and
// the typed key written as a literal of the field's data type (an ADO type number).
namespace kx {

enum class KeyKind { Number, Date, Boolean, Text };

KeyKind KeyKindOfFieldType(long adoType);

// Text between single quotes, each quote in it doubled.
std::wstring QuotedText(const std::wstring& text);

// The criterion, or nothing when the text is no value of the field's type (the key is then not found):
// "f = 12", "f = #03-01-2024#" (the text read as a date by the user's settings), "f = True", "f = 'O''Brien'".
std::optional<std::wstring> LookupCriterion(const std::wstring& keyField, long adoType, const std::wstring& text);

}  // namespace kx
