#include "WordWriter.h"

#include <algorithm>
#include <cmath>

namespace zarvanta {

WordWriter::WordWriter(ArrangementFiles& files, const DictionaryHits* hits, ProgressTracker& progress)
    : files_(files), hits_(hits), progress_(progress) {}

WriteOutcome WordWriter::Write(WordSequence& words, ProgressSpan span) {
    span_ = span;
    total_ = words.WordCount();
    written_ = 0;
    lineSize_ = words.WordLength() + 2;
    for (bool more = words.FirstBlock(); more; more = words.NextBlock()) {
        std::size_t suffix = 0;
        std::uint64_t repeat = 0;
        while (suffix < words.Suffixes().size())
            if (const auto outcome = Checkpoint(WriteChunk(words, suffix, repeat)); outcome != WriteOutcome::Written)
                return outcome;
    }
    WriteDictionaryLines();
    if (files_.Failed()) return WriteOutcome::Failed;
    progress_.SetValue(span_.Start + span_.Span);
    progress_.Poll();
    return WriteOutcome::Written;
}

std::uint64_t WordWriter::WriteChunk(WordSequence& words, std::size_t& suffix, std::uint64_t& repeat) {
    const LineBits prefix = words.Prefix();
    const auto& suffixes = words.Suffixes();
    const std::uint64_t repeats = words.Repeats();
    const std::uint64_t room = (OutputFile::kRoomBytes - kMaxLineBytes) / lineSize_;
    char* const start = files_.Words().Room();
    char* out = start;
    std::uint64_t left = room;
    if (repeats == 1) {  // most runs: one line per suffix, in a tight loop
        const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(left, suffixes.size() - suffix));
        for (const std::size_t end = suffix + take; suffix < end; ++suffix, out += lineSize_)
            (prefix | suffixes[suffix]).Store(out);
        left -= take;
    }
    while (left > 0 && suffix < suffixes.size()) {
        const LineBits line = prefix | suffixes[suffix];
        const std::uint64_t take = std::min(repeats - repeat, left);
        for (std::uint64_t i = 0; i < take; ++i, out += lineSize_) line.Store(out);
        left -= take;
        repeat += take;
        if (repeat == repeats) {
            repeat = 0;
            ++suffix;
        }
    }
    files_.Words().Commit(static_cast<std::size_t>(out - start));
    return room - left;
}

WriteOutcome WordWriter::Checkpoint(std::uint64_t words) {
    written_ += words;
    if (!progress_.Due(words)) return WriteOutcome::Written;
    WriteDictionaryLines();
    if (files_.Failed()) return WriteOutcome::Failed;
    progress_.SetValue(ValueAfter(written_));
    return progress_.Poll() ? WriteOutcome::Written : WriteOutcome::Cancelled;
}

// The lines of the hits among the words written so far, a run of repeats possibly in part.
void WordWriter::WriteDictionaryLines() {
    if (!hits_) return;
    const auto& hits = hits_->Hits();
    for (; nextHit_ < hits.size() && hits[nextHit_].Words.First < written_; ++nextHit_, hitLinesWritten_ = 0) {
        const auto& hit = hits[nextHit_];
        const std::uint64_t due = std::min(hit.Words.Count, written_ - hit.Words.First);
        files_.DictionaryLines().WriteRepeated(*hit.Line, due - hitLinesWritten_);
        hitLinesWritten_ = due;
        if (due < hit.Words.Count) return;
    }
}

// Where the words fill the span exactly (one step per word) the Value counts them; else it moves in proportion.
double WordWriter::ValueAfter(std::uint64_t written) const {
    if (static_cast<double>(total_) == span_.Span) return span_.Start + static_cast<double>(written);
    return span_.Start + std::floor(span_.Span * (static_cast<double>(written) / static_cast<double>(total_)));
}

}  // namespace zarvanta
