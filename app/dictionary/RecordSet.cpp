#include "RecordSet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zarvanta {
namespace {

const std::vector<DictionaryTable::Index> kNoRecords;

bool IsWholeInt32(double value) {
    return std::trunc(value) == value && value >= -2147483648.0 && value <= 2147483647.0;
}

}  // namespace

RecordSet::RecordSet(std::unique_ptr<const DictionaryTable> table) : table_(std::move(table)) {}

RecordSet RecordSet::Open(const std::filesystem::path& file) { return RecordSet(DictionaryTable::Load(file)); }

void RecordSet::SetFilter(DictionaryField field, double value) {
    if (IsWholeInt32(value)) {
        filter_ = Filter{field, static_cast<std::int32_t>(value)};
        filtered_ = &table_->RecordsWith(field, filter_->value);
    } else {
        filter_.reset();
        filtered_ = &kNoRecords;
    }
    MoveFirst();
}

void RecordSet::ClearFilter() {
    filter_.reset();
    filtered_ = nullptr;
    MoveFirst();
}

std::size_t RecordSet::RecordCount() const { return filtered_ ? filtered_->size() : table_->Size(); }

void RecordSet::MoveNext() {
    if (!IsEof()) ++position_;
}

bool RecordSet::FindAbjadWord(std::wstring_view key) {
    for (auto index = table_->FirstWithAbjadWord(key); index != DictionaryTable::kNoRecord;
         index = table_->NextWithSameAbjadWord(index)) {
        if (Passes(table_->Record(index))) {
            position_ = PositionOf(index);
            return true;
        }
    }
    position_ = RecordCount();
    return false;
}

const DictionaryRecord& RecordSet::Current() const {
    if (IsEof()) throw std::out_of_range("The record set has no current record.");
    return table_->Record(IndexAt(position_));
}

DictionaryTable::Index RecordSet::IndexAt(std::size_t position) const {
    return filtered_ ? (*filtered_)[position] : static_cast<DictionaryTable::Index>(position);
}

bool RecordSet::Passes(const DictionaryRecord& record) const {
    if (!filtered_) return true;
    if (!filter_) return false;  // a filter on a fraction keeps no record
    return (filter_->field == DictionaryField::Length ? record.Length : record.Abjad) == filter_->value;
}

std::size_t RecordSet::PositionOf(DictionaryTable::Index index) const {
    if (!filtered_) return index;
    return static_cast<std::size_t>(std::lower_bound(filtered_->begin(), filtered_->end(), index) - filtered_->begin());
}

}  // namespace zarvanta
