#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "AbjadWordIndex.h"
#include "DictionaryRecord.h"

// The dictionary's records in table order, with the indexes that keep every look-up O(1) or O(result).
// Records point into the table's own text, so the table stays where it was made (held by pointer).
namespace zarvanta {

class DictionaryTable {
public:
    using Index = AbjadWordIndex::Index;
    static constexpr Index kNoRecord = AbjadWordIndex::kNoRecord;

    // Throws DictionaryError naming the file, and the line for malformed content.
    static std::unique_ptr<const DictionaryTable> Load(const std::filesystem::path& file);
    // The content of a dic.txt file; sourceName is the file named in error messages.
    static std::unique_ptr<const DictionaryTable> Parse(std::string_view content, const std::wstring& sourceName);

    DictionaryTable(const DictionaryTable&) = delete;
    DictionaryTable& operator=(const DictionaryTable&) = delete;

    std::size_t Size() const { return records_.size(); }
    const DictionaryRecord& Record(Index index) const { return records_.at(index); }

    // The records whose field equals the value, in table order.
    const std::vector<Index>& RecordsWith(DictionaryField field, std::int32_t value) const;
    // The first record of that AbjadWord in table order, and the next one after a record; kNoRecord at the end.
    Index FirstWithAbjadWord(std::wstring_view abjadWord) const { return byAbjadWord_->First(abjadWord); }
    Index NextWithSameAbjadWord(Index index) const { return byAbjadWord_->Next(index); }

private:
    DictionaryTable() = default;
    void ParseLines(const std::wstring& sourceName);
    void BuildIndexes();

    std::wstring text_;
    std::vector<DictionaryRecord> records_;
    std::optional<AbjadWordIndex> byAbjadWord_;
    std::unordered_map<std::int32_t, std::vector<Index>> byLength_;
    std::unordered_map<std::int32_t, std::vector<Index>> byAbjad_;
};

}  // namespace zarvanta
