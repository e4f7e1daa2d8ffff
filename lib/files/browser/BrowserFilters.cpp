// actFileDialog's filters: the Filter string's entries in the filter box and their patterns, the choice in
// the filter box and the pattern typed into the file-name box.
#include "ActFileDialog.h"

#include "FilterString.h"

namespace kx {
namespace {
constexpr DISPID kFilterIndexChanged = 4;
}

// An empty filter parses as one entry for every file, so the old entries do not stay behind. Selecting
// the entry runs the filter box's choice, as a click on it does.
void ActFileDialog::ParseFilter() {
    if (!filter_.empty()) PropertyChanged(L"Filter");
    const std::vector<FilterEntry> entries = ParseFilterString(filter_);
    const HWND box = form_->cmbPatern;
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    filterPatterns_.clear();
    for (const FilterEntry& entry : entries) {
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.description.c_str()));
        filterPatterns_.push_back(entry.pattern);
    }
    SendMessageW(box, CB_SETCURSEL, ClampFilterIndex(filterIndex_, static_cast<int>(entries.size())), 0);
    FilterBoxClick();
}

// The pattern of a filter entry; an index beyond the entries takes the last one, as the parse does.
std::wstring ActFileDialog::FilterPattern(int index) const {
    if (filterPatterns_.empty() || index < 0) return L"";
    return filterPatterns_[ClampFilterIndex(index, static_cast<int>(filterPatterns_.size()))];
}

void ActFileDialog::FilterBoxClick() {
    filterIndex_ = static_cast<short>(SendMessageW(form_->cmbPatern, CB_GETCURSEL, 0, 0));
    ListLocation();
    RaiseEvent(kFilterIndexChanged);
}

// Enter on a text with "*" lists by that pattern instead of the filter; true when the key is taken.
bool ActFileDialog::FileNameEnter() {
    const HWND box = form_->txtFileName;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(GetWindowTextW(box, text.data(), static_cast<int>(text.size())));
    if (text.find(L'*') == std::wstring::npos) return false;
    typedPattern_ = text;
    filterIndex_ = -1;
    ListLocation();
    return true;
}

}  // namespace kx
