#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "DictionaryTable.h"

// The one record set the windows share: an optional filter by numeric equality of Length or Abjad, a
// current record moving in table order, and a search by AbjadWord from the first record of the filtered set.
namespace zarvanta {

class RecordSet {
public:
    explicit RecordSet(std::unique_ptr<const DictionaryTable> table);
    // Throws DictionaryError naming the file (and line) when it cannot be opened or read.
    static RecordSet Open(const std::filesystem::path& file);

    // Keeps the records whose field equals the value (a value with a fraction matches none) and moves
    // to the first of them.
    void SetFilter(DictionaryField field, double value);
    void ClearFilter();

    std::size_t RecordCount() const;
    bool IsEof() const { return position_ >= RecordCount(); }
    void MoveFirst() { position_ = 0; }
    // At the end it stays at the end.
    void MoveNext();

    // Moves to the first record of the filtered set whose AbjadWord equals the key (ordinal comparison);
    // false, and at the end, when none does.
    bool FindAbjadWord(std::wstring_view key);

    // The current record; throws std::out_of_range at the end.
    const DictionaryRecord& Current() const;
    std::wstring_view Word() const { return Current().Word; }

    const DictionaryTable& Table() const { return *table_; }

private:
    struct Filter {
        DictionaryField field;
        std::int32_t value;
    };

    DictionaryTable::Index IndexAt(std::size_t position) const;
    bool Passes(const DictionaryRecord& record) const;
    std::size_t PositionOf(DictionaryTable::Index index) const;

    std::unique_ptr<const DictionaryTable> table_;
    std::optional<Filter> filter_;
    const std::vector<DictionaryTable::Index>* filtered_ = nullptr;  // the filter's records, when set
    std::size_t position_ = 0;
};

}  // namespace zarvanta
