#include "TextComparer.h"

namespace kx {

size_t TextComparer::Find(std::wstring_view text, std::wstring_view find, size_t from) const {
    if (find.size() > text.size()) return std::wstring_view::npos;
    for (size_t at = from; at + find.size() <= text.size(); ++at)
        if (Equal(text.substr(at, find.size()), find)) return at;
    return std::wstring_view::npos;
}

int BinaryComparer::Order(std::wstring_view a, std::wstring_view b) const {
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

size_t BinaryComparer::Find(std::wstring_view text, std::wstring_view find, size_t from) const {
    return from > text.size() ? std::wstring_view::npos : text.find(find, from);
}

const TextComparer& BinaryComparison() {
    static const BinaryComparer comparer;
    return comparer;
}

}  // namespace kx
