#include "FilterString.h"

#include <algorithm>

#include "TextCase.h"

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

std::wstring TrimBlanks(std::wstring_view text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    const size_t last = text.find_last_not_of(L' ');
    return std::wstring(text.substr(first, last - first + 1));
}

bool IsEveryFile(const std::wstring& extension) { return extension == L".*" || extension == L"*.*"; }

}  // namespace

std::vector<FilterEntry> ParseFilter(const std::wstring& filter) {
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

std::vector<std::wstring> ExtensionsOfPattern(const std::wstring& pattern) {
    if (TrimBlanks(pattern).empty()) return {L"*.*"};
    std::vector<std::wstring> extensions;
    size_t start = 0;
    while (start <= pattern.size()) {
        size_t end = pattern.find(L';', start);
        if (end == std::wstring::npos) end = pattern.size();
        const std::wstring piece = TrimBlanks(std::wstring_view(pattern).substr(start, end - start));
        if (!piece.empty()) {
            const size_t dot = piece.find(L'.');
            extensions.push_back(dot == std::wstring::npos ? L".*" : piece.substr(dot));
        }
        start = end + 1;
    }
    if (extensions.empty()) extensions.push_back(L"*.*");  // only ";" and blanks
    return extensions;
}

bool NameHasExtension(const std::wstring& name, const std::wstring& extension) {
    return IsEveryFile(extension) || UpperText(name).find(UpperText(extension)) != std::wstring::npos;
}

bool NameMatchesAny(const std::wstring& name, const std::vector<std::wstring>& extensions) {
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const std::wstring& extension) { return NameHasExtension(name, extension); });
}

std::wstring TypedPatternExtension(const std::wstring& typedPattern) {
    const size_t dot = typedPattern.find(L'.');
    return dot == std::wstring::npos ? L".*" : typedPattern.substr(dot);
}

std::wstring FileNameWithExtension(const std::wstring& typed, int filterIndex,
                                   const std::vector<std::wstring>& extensions) {
    if (typed.find(L'.') != std::wstring::npos || filterIndex < 0 || extensions.empty()) return typed;
    return typed + extensions.front();
}

}  // namespace kx
