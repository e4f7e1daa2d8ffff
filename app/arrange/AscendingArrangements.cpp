#include "AscendingArrangements.h"

#include <algorithm>

namespace zarvanta {
namespace {

std::wstring DistinctAscending(std::wstring letters) {
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    return letters;
}

std::uint64_t Factorial(std::uint64_t n) {
    std::uint64_t product = 1;
    for (std::uint64_t k = 2; k <= n; ++k) product *= k;
    return product;
}

// The distinct orderings of letters that come in these counts.
std::uint64_t DistinctOrderings(const std::vector<std::uint64_t>& counts) {
    std::uint64_t total = 0;
    std::uint64_t divisor = 1;
    for (const auto count : counts) {
        total += count;
        divisor *= Factorial(count);
    }
    return Factorial(total) / divisor;
}

}  // namespace

AscendingArrangements::AscendingArrangements(std::wstring_view letters)
    : alphabet_(DistinctAscending(std::wstring(letters))) {
    for (const wchar_t letter : letters) sorted_.push_back(*alphabet_.SymbolOf(letter));
    std::sort(sorted_.begin(), sorted_.end());
    prefixLength_ = sorted_.size() - std::min(sorted_.size(), kSuffixLength);
    for (auto run = sorted_.begin(); run != sorted_.end();) {
        const auto end = std::upper_bound(run, sorted_.end(), *run);
        repeats_ *= Factorial(static_cast<std::uint64_t>(end - run));
        run = end;
    }
}

std::uint64_t AscendingArrangements::WordCount() const { return sorted_.empty() ? 0 : Factorial(sorted_.size()); }

// No letters arrange into no word: an arrangement holds at least one letter.
bool AscendingArrangements::FirstBlock() {
    word_ = sorted_;
    if (word_.empty()) return false;
    EnterBlock();
    return true;
}

// The block's last ordering has its suffix descending; the ordering after it starts the next block.
bool AscendingArrangements::NextBlock() {
    const auto suffix = word_.begin() + static_cast<std::ptrdiff_t>(prefixLength_);
    std::reverse(suffix, word_.end());
    if (!std::next_permutation(word_.begin(), word_.end())) return false;
    EnterBlock();
    return true;
}

void AscendingArrangements::EnterBlock() {
    prefix_ = LineBits();
    for (std::size_t i = 0; i < prefixLength_; ++i) {
        const char byte = alphabet_.Byte(word_[i]);
        prefix_.Place({&byte, 1}, i);
    }
    suffixes_ = &SuffixesOf(std::span(word_).subspan(prefixLength_));
}

const std::vector<LineBits>& AscendingArrangements::SuffixesOf(std::span<const Symbol> ascendingSuffix) {
    std::uint64_t key = 0;
    for (const Symbol s : ascendingSuffix) key = key << 8 | s;
    auto [block, added] = blocks_.try_emplace(key);
    if (!added) return block->second;
    std::vector<Symbol> suffix(ascendingSuffix.begin(), ascendingSuffix.end());
    std::string bytes(suffix.size(), '\0');
    do {
        for (std::size_t i = 0; i < suffix.size(); ++i) bytes[i] = alphabet_.Byte(suffix[i]);
        LineBits line;
        line.Place(bytes + "\r\n", prefixLength_);
        block->second.push_back(line);
    } while (std::next_permutation(suffix.begin(), suffix.end()));
    return block->second;
}

// Its rank among the distinct orderings: for each position, the orderings that put a smaller letter there.
std::vector<OrdinalRun> AscendingArrangements::OrdinalsOf(std::span<const Symbol> word) const {
    std::vector<Symbol> letters(word.begin(), word.end());
    std::sort(letters.begin(), letters.end());
    if (letters.empty() || letters != sorted_) return {};
    std::vector<std::uint64_t> counts(alphabet_.Size(), 0);
    for (const Symbol s : word) ++counts[s];
    std::uint64_t rank = 0;
    for (const Symbol s : word) {
        for (Symbol smaller = 0; smaller < s; ++smaller) {
            if (counts[smaller] == 0) continue;
            --counts[smaller];
            rank += DistinctOrderings(counts);
            ++counts[smaller];
        }
        --counts[s];
    }
    return {{rank * repeats_, repeats_}};
}

}  // namespace zarvanta
