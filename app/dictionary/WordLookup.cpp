#include "WordLookup.h"

namespace zarvanta {

std::optional<std::wstring> LookUpWord(RecordSet& records, const AbjadEngine& engine, std::wstring_view word) {
    const std::wstring key = engine.CorrectWord(word);
    if (!records.FindAbjadWord(key)) return std::nullopt;
    std::wstring line = key + L" : ";
    // Only neighbours in table order join the line; the same AbjadWord further down starts no new run.
    for (; !records.IsEof() && records.Current().AbjadWord == key; records.MoveNext()) {
        line += records.Word();
        line += L", ";
    }
    return line;
}

}  // namespace zarvanta
