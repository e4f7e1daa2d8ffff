#include "FilterString.h"

#include <algorithm>

namespace kx {
namespace {

// Takes the text up to the next "|" off the front of rest; false when rest holds no "|".
bool TakeField(std::wstring_view& rest, std::wstring& field) {
    const size_t bar = rest.find(L'|');
    if (bar == std::wstring_view::npos) return false;
    field.assign(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
    return true;
}

}  // namespace

std::vector<FilterEntry> ParseFilterString(const std::wstring& filter) {
    std::wstring text = filter.empty() ? L"*.*|*.*" : filter;
    if (text.back() != L'|') text.push_back(L'|');
    std::vector<FilterEntry> entries;
    std::wstring_view rest = text;
    FilterEntry entry;
    while (TakeField(rest, entry.description)) {
        if (!TakeField(rest, entry.pattern)) {  // odd field count: the description admits every file
            entry.pattern.clear();
        }
        entries.push_back(std::move(entry));
        entry = {};
    }
    return entries;
}

int ClampFilterIndex(int index, int count) {
    if (count <= 0 || index < 0) return index;
    return std::min(index, count - 1);
}

std::wstring FileNameWithExtension(const std::wstring& typed, int filterIndex,
                                   const std::vector<std::wstring>& extensions) {
    if (typed.empty() || typed.find(L'.') != std::wstring::npos || filterIndex < 0 || extensions.empty())
        return typed;
    return typed + extensions.front();
}

}  // namespace kx
