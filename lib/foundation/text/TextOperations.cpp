#include "TextOperations.h"

#include <algorithm>

namespace kx {

size_t FindPosition(std::wstring_view text, std::wstring_view find, size_t start, const TextComparer& comparer) {
    if (text.empty() || start < 1 || start > text.size()) return 0;
    if (find.empty()) return start;
    const size_t at = comparer.Find(text, find, start - 1);
    return at == std::wstring_view::npos ? 0 : at + 1;
}

size_t FindOccurrence(std::wstring_view text, std::wstring_view find, long count, const TextComparer& comparer) {
    size_t position = 0;
    for (long found = 0; found < count; ++found) {
        position = FindPosition(text, find, position + 1, comparer);
        if (position == 0) return 0;
    }
    return position;
}

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                        const TextComparer& comparer) {
    if (find.empty()) return std::wstring(text);
    std::wstring result;
    size_t from = 0;
    for (size_t at = comparer.Find(text, find, 0); at != std::wstring_view::npos;
         at = comparer.Find(text, find, from)) {
        result.append(text.substr(from, at - from)).append(with);
        from = at + find.size();
    }
    return result.append(text.substr(from));
}

std::optional<std::wstring> ReplaceUntilGone(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                                             const TextComparer& comparer, size_t workLimit) {
    std::wstring current(text);
    if (find.empty()) return current;
    if (comparer.Find(with, find, 0) != std::wstring_view::npos) return ReplaceAll(current, find, with, comparer);
    size_t work = 0;
    while (comparer.Find(current, find, 0) != std::wstring_view::npos) {
        work += current.size();
        if (work > workLimit) return std::nullopt;
        current = ReplaceAll(current, find, with, comparer);
    }
    return current;
}

std::wstring ReplaceEachChar(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                             const TextComparer& comparer) {
    std::wstring current(text);
    for (size_t i = 0; i < find.size(); ++i) {
        const std::wstring_view replacement = i < with.size() ? with.substr(i, 1) : std::wstring_view();
        current = ReplaceAll(current, find.substr(i, 1), replacement, comparer);
    }
    return current;
}

std::wstring SortChars(std::wstring_view text, bool ascending, const TextComparer& comparer) {
    std::wstring sorted(text);
    std::stable_sort(sorted.begin(), sorted.end(), [&](wchar_t a, wchar_t b) {
        const int order = comparer.Order(std::wstring_view(&a, 1), std::wstring_view(&b, 1));
        return ascending ? order < 0 : order > 0;
    });
    return sorted;
}

std::wstring Reversed(std::wstring_view text) { return std::wstring(text.rbegin(), text.rend()); }

std::wstring Repeated(std::wstring_view text, long count) {
    std::wstring result;
    if (count < 1) return result;
    result.reserve(text.size() * static_cast<size_t>(count));
    for (long i = 0; i < count; ++i) result.append(text);
    return result;
}

}  // namespace kx
