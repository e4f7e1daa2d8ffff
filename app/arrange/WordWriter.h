#pragma once
#include <cstdint>
#include <vector>

#include "ArrangementFiles.h"
#include "ArrangementProgress.h"
#include "DictionaryHits.h"
#include "WordSequence.h"

// Writes a sequence's words to Output.txt, one a line, and the dictionary lines of the words written so far to
// OutputDic.txt, moving the progress bar over its span as the words go and stopping when the run is cancelled
// or a file fails.
namespace zarvanta {

// The Value the bar moves through while the words are written: from Start to Start + Span.
struct ProgressSpan {
    double Start = 0;
    double Span = 0;
};

enum class WriteOutcome { Written, Cancelled, Failed };

class WordWriter {
public:
    // hits is null when the dictionary is not checked.
    WordWriter(ArrangementFiles& files, const DictionaryHits* hits, ProgressTracker& progress);

    WriteOutcome Write(WordSequence& words, ProgressSpan span);

private:
    // Writes the current block's lines from its suffix index and repeat onwards, as many as fit the room
    // of one chunk; returns how many.
    std::uint64_t WriteChunk(WordSequence& words, std::size_t& suffix, std::uint64_t& repeat);
    // Between chunks: the dictionary lines of the words written, the progress shown when due, the cancel flag.
    WriteOutcome Checkpoint(std::uint64_t words);
    void WriteDictionaryLines();
    double ValueAfter(std::uint64_t written) const;

    ArrangementFiles& files_;
    const DictionaryHits* hits_;
    ProgressTracker& progress_;
    ProgressSpan span_;
    std::uint64_t total_ = 0;
    std::uint64_t written_ = 0;
    std::size_t lineSize_ = 0;
    std::size_t nextHit_ = 0;
    std::uint64_t hitLinesWritten_ = 0;  // of the next hit's run
};

}  // namespace zarvanta
