#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/AbjadEngine.h"
#include "RecordSet.h"

namespace zarvanta {

// The dictionary line of a word, searched in the record set as its caller filtered it: the normalised word,
// " : ", then the Word of each record of the run that starts at the first match and shares its AbjadWord,
// each followed by ", ". Nothing when no record matches. Leaves the record set after that run.
std::optional<std::wstring> LookUpWord(RecordSet& records, const AbjadEngine& engine, std::wstring_view word);

}  // namespace zarvanta
