#include "ArrangementRun.h"

#include <optional>
#include <stdexcept>

#include "ArrangementCounts.h"
#include "ArrangementFiles.h"
#include "ArrangementTexts.h"
#include "AscendingArrangements.h"
#include "SubstitutionWords.h"
#include "WordWriter.h"

namespace zarvanta {
namespace {

class Run {
public:
    Run(const AbjadEngine& engine, const ArrangementRequest& request, std::wstring letters, ProgressSink& sink,
        const ProgressClock& clock)
        : engine_(engine), request_(request), letters_(std::move(letters)), progress_(sink, clock),
          files_(request.Folder) {
        if (request.DictionaryCheck && !request.Dictionary)
            throw std::invalid_argument("The dictionary check needs the record set.");
    }

    ArrangementOutcome AllLetters();
    ArrangementOutcome GreatCycle();

    ArrangementResult Result(ArrangementOutcome outcome) {
        ArrangementResult result{outcome, letters_, {}, {}};
        if (outcome == ArrangementOutcome::Failed) result.Message = files_.Error();
        else if (filesWritten_) result.FilesToOpen = files_.FilesToOpen(request_.DictionaryCheck);
        return result;
    }

private:
    int LetterCount() const { return static_cast<int>(letters_.size()); }
    void FilterByLength() {
        if (request_.DictionaryCheck) request_.Dictionary->SetFilter(DictionaryField::Length, LetterCount());
    }
    bool OpenFiles() {
        filesWritten_ = true;
        return files_.Open();
    }
    ArrangementOutcome WriteAndClose(WordSequence& words, ProgressSpan span);

    const AbjadEngine& engine_;
    const ArrangementRequest& request_;
    std::wstring letters_;
    ProgressTracker progress_;
    ArrangementFiles files_;
    bool filesWritten_ = false;
};

// The full-length arrangements are made in ascending order directly, with no table to fill and sort; the bar
// still moves through the counting, sorting and writing steps it is sized for, and a cancel before the writing
// leaves the files untouched.
ArrangementOutcome Run::AllLetters() {
    const int n = LetterCount();
    const double lastIndex = ResultsTableLastIndex(n);
    progress_.SetMax(3 * lastIndex);
    progress_.SetValue(PartialArrangementCount(n));
    progress_.ShowCount();
    progress_.Poll();
    progress_.ShowText(kCaptionSorting);
    if (progress_.Poll()) progress_.Add(lastIndex + 1);  // one step per pass of the sort
    FilterByLength();
    if (progress_.Cancelled()) return ArrangementOutcome::Cancelled;

    progress_.ShowText(kCaptionWriteData);
    progress_.Poll();
    if (!OpenFiles()) return ArrangementOutcome::Failed;
    AscendingArrangements words(letters_);
    return WriteAndClose(words, {progress_.Value(), lastIndex + 1});
}

ArrangementOutcome Run::GreatCycle() {
    if (!OpenFiles()) return ArrangementOutcome::Failed;
    FilterByLength();
    SubstitutionWords words(letters_);
    progress_.SetMax(static_cast<double>(words.WordCount()));
    progress_.ShowText(kCaptionCalculate);
    progress_.Poll();
    progress_.ShowCount();
    return WriteAndClose(words, {0, static_cast<double>(words.WordCount())});
}

// A cancel that came in before the first word leaves the files empty, as one during the words leaves them in part.
ArrangementOutcome Run::WriteAndClose(WordSequence& words, ProgressSpan span) {
    WriteOutcome written = WriteOutcome::Cancelled;
    if (!progress_.Cancelled()) {
        std::optional<DictionaryHits> hits;
        if (request_.DictionaryCheck) hits.emplace(*request_.Dictionary, engine_, words);
        written = WordWriter(files_, hits ? &*hits : nullptr, progress_).Write(words, span);
    }
    const bool closed = files_.Close();
    if (written == WriteOutcome::Failed || !closed) return ArrangementOutcome::Failed;
    return written == WriteOutcome::Cancelled ? ArrangementOutcome::Cancelled : ArrangementOutcome::Completed;
}

}  // namespace

std::wstring TooManyLettersMessage() {
    return std::wstring(kTooManyLettersLine1) + std::wstring(kLineBreak) + std::wstring(kTooManyLettersLine2);
}

ArrangementResult RunArrangements(const AbjadEngine& engine, const ArrangementRequest& request, ProgressSink& sink,
                                  const ProgressClock& clock) {
    std::wstring letters = engine.CorrectWord(request.Letters);
    if (letters.size() > static_cast<std::size_t>(kMaxArrangementLetters))
        return {ArrangementOutcome::Refused, std::move(letters), TooManyLettersMessage(), {}};
    Run run(engine, request, std::move(letters), sink, clock);
    return run.Result(request.Mode == ArrangementMode::GreatCycle ? run.GreatCycle() : run.AllLetters());
}

}  // namespace zarvanta
