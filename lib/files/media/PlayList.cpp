#include "PlayList.h"

namespace kx {
namespace {
constexpr wchar_t kLineEnd[] = L"\r\n";
constexpr size_t kLineEndLength = 2;
}  // namespace

void PlayList::Clear() {
    entries_.clear();
    next_ = 0;
}

void PlayList::Fill(const std::wstring& names) {
    entries_ = names;
    const bool ended = entries_.size() >= kLineEndLength &&
                       entries_.compare(entries_.size() - kLineEndLength, kLineEndLength, kLineEnd) == 0;
    if (!ended) entries_ += kLineEnd;
    next_ = 0;
}

// Moves an index past the entry rather than cutting the string, so a walk over a long list stays linear.
std::wstring PlayList::TakeFirst() {
    if (Empty()) return {};
    const size_t end = entries_.find(kLineEnd, next_);
    std::wstring entry = entries_.substr(next_, end - next_);
    next_ = end + kLineEndLength;
    if (Empty()) Clear();
    return entry;
}

}  // namespace kx
