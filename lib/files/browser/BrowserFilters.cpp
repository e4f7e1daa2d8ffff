// actFileDialog's filters: the Filter string's entries in the filter box and their patterns.
#include "ActFileDialog.h"

namespace kx {

// Description and pattern pairs, each field ended by "|" (the last "|" may be left out). A last
// description without a pattern keeps an empty pattern, which admits every file.
void ActFileDialog::ParseFilter() {
    if (filter_.empty()) return;
    PropertyChanged(L"Filter");
    std::wstring rest = filter_.back() == L'|' ? filter_ : filter_ + L'|';
    const HWND box = form_->cmbPatern;
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    filterPatterns_.clear();
    auto take = [&rest] {
        const size_t bar = rest.find(L'|');
        std::wstring field = rest.substr(0, bar);
        rest.erase(0, bar == std::wstring::npos ? rest.size() : bar + 1);
        return field;
    };
    while (rest.find(L'|') != std::wstring::npos) {
        const std::wstring description = take();
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description.c_str()));
        filterPatterns_.push_back(take());
    }
    if (filterPatterns_.empty()) filterPatterns_.push_back(L"");
    const int last = static_cast<int>(filterPatterns_.size()) - 1;
    SendMessageW(box, CB_SETCURSEL, filterIndex_ > last ? last : filterIndex_, 0);
}

// The pattern of a filter entry; an index beyond the entries takes the last one, as the parse does.
std::wstring ActFileDialog::FilterPattern(int index) const {
    if (filterPatterns_.empty() || index < 0) return L"";
    const size_t last = filterPatterns_.size() - 1;
    return filterPatterns_[static_cast<size_t>(index) > last ? last : static_cast<size_t>(index)];
}

}  // namespace kx
