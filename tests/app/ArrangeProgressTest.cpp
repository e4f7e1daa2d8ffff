#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "TestSupport.h"
#include "arrange/ArrangementRun.h"
#include "dictionary/DictionaryTable.h"
#include "engine/AbjadEngine.h"

using arrangetest::ReadBytes;
using arrangetest::RecordingSink;
using arrangetest::StepClock;
using zarvanta::AbjadEngine;
using zarvanta::ArrangementMode;
using zarvanta::ArrangementOutcome;
using zarvanta::ArrangementRequest;
using zarvanta::ProgressState;
using zarvanta::RecordSet;
using namespace std::chrono_literals;

namespace {

const char* const kFixture =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "cab\tcab\t3\t0\n"
    "ab\tab\t2\t0\n"
    "ابجد\tابجد\t4\t10\n"
    "ابجده\tابجده\t5\t15\n"
    "aaaaaaaa\taaaaaaaa\t8\t0\n";

RecordSet FixtureRecords() { return RecordSet(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt")); }

struct Shown {
    double value;
    double max;
    std::wstring caption;
    bool operator==(const Shown&) const = default;
};

std::vector<Shown> StatesOf(const RecordingSink& sink) {
    std::vector<Shown> states;
    for (const auto& s : sink.shown) states.push_back({s.state.Value, s.state.Max, s.state.Caption});
    return states;
}

void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.value << "/" << s.max << " " << testing::PrintToString(s.caption);
}

std::size_t LineCount(const std::string& bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

class ArrangeProgress : public testing::Test {
protected:
    zarvanta::ArrangementResult Run(const std::wstring& letters, ArrangementMode mode, bool check,
                                    std::chrono::milliseconds step) {
        StepClock clock(step);
        clock_ = &clock;
        sink_ = RecordingSink([&clock] { return clock.Now(); });
        sink_.cancelWhen = cancelWhen;
        ArrangementRequest request{letters, mode, check, &records_, folder_.path()};
        auto result = zarvanta::RunArrangements(engine_, request, sink_, clock.AsClock());
        clock_ = nullptr;
        return result;
    }
    std::string Output() const { return ReadBytes(folder_.File(L"Output.txt")); }

    AbjadEngine engine_;
    RecordSet records_ = FixtureRecords();
    kxtest::ScratchFolder folder_;
    RecordingSink sink_;
    StepClock* clock_ = nullptr;
    std::function<bool(const ProgressState&)> cancelWhen;
};

}  // namespace

// abc: 15 arrangements counted, a table of 18 entries sorted and written: Max 3 × 17.
TEST_F(ArrangeProgress, AllLettersMovesThroughTheSamePhasesAndTotals) {
    EXPECT_EQ(Run(L"abc", ArrangementMode::AllLetters, true, 31ms).Outcome, ArrangementOutcome::Completed);
    EXPECT_EQ(StatesOf(sink_), (std::vector<Shown>{{15, 51, L"15/51"},
                                                   {15, 51, L"Sorting"},
                                                   {33, 51, L"Write Data"},
                                                   {51, 51, L"Write Data"}}));
}

// The great cycle's Max is the number of words: rows of 9 and 10 letters give 90, not 2 to the ninth power.
TEST_F(ArrangeProgress, GreatCycleCountsItsWords) {
    EXPECT_EQ(Run(L"اح", ArrangementMode::GreatCycle, false, 31ms).Outcome, ArrangementOutcome::Completed);
    EXPECT_EQ(StatesOf(sink_), (std::vector<Shown>{{0, 90, L"Calculate"}, {90, 90, L"90/90"}}));
    EXPECT_EQ(LineCount(Output()), 90u);

    EXPECT_EQ(Run(L"اx", ArrangementMode::GreatCycle, false, 31ms).Outcome, ArrangementOutcome::Completed);
    EXPECT_EQ(StatesOf(sink_), (std::vector<Shown>{{0, 0, L"Calculate"}, {0, 0, L"0/0"}}));
}

TEST_F(ArrangeProgress, ShowsAtMostOncePerInterval) {
    for (const auto mode : {ArrangementMode::AllLetters, ArrangementMode::GreatCycle}) {
        EXPECT_EQ(Run(L"ابجدهو", mode, true, 4ms).Outcome, ArrangementOutcome::Completed);
        ASSERT_FALSE(sink_.shown.empty());
        for (std::size_t i = 1; i < sink_.shown.size(); ++i) {
            EXPECT_GE(sink_.shown[i].at - sink_.shown[i - 1].at, 30ms) << i;
            EXPECT_GE(sink_.shown[i].state.Value, sink_.shown[i - 1].state.Value) << i;
        }
    }
    // The great cycle's 9^6 words take several intervals.
    EXPECT_GT(sink_.shown.size(), 3u);
    EXPECT_EQ(sink_.shown.back().state.Max, 531441);
}

TEST_F(ArrangeProgress, CancelBeforeWritingLeavesTheFilesUntouched) {
    cancelWhen = [](const ProgressState&) { return true; };
    const auto result = Run(L"abc", ArrangementMode::AllLetters, true, 31ms);
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Cancelled);
    EXPECT_TRUE(result.FilesToOpen.empty());
    EXPECT_EQ(sink_.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder_.File(L"Output.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder_.File(L"OutputDic.txt")));
    EXPECT_EQ(records_.RecordCount(), 1u);  // the Length filter is set all the same
}

TEST_F(ArrangeProgress, GreatCycleCancelledAtOnceOpensEmptyFiles) {
    cancelWhen = [](const ProgressState&) { return true; };
    const auto result = Run(L"ابجد", ArrangementMode::GreatCycle, true, 31ms);
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Cancelled);
    EXPECT_EQ(result.FilesToOpen, (std::vector<std::filesystem::path>{folder_.File(L"Output.txt"),
                                                                       folder_.File(L"OutputDic.txt")}));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(ReadBytes(folder_.File(L"OutputDic.txt")), "");
}

// A cancel stops the writing at once: the file holds the words counted at that moment, the first of the
// complete file, and nothing is shown after it.
TEST_F(ArrangeProgress, CancelWhileWritingKeepsTheWordsWrittenSoFar) {
    for (const auto mode : {ArrangementMode::AllLetters, ArrangementMode::GreatCycle}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const std::wstring letters = mode == ArrangementMode::AllLetters ? L"ابجدهوز" : L"ابجده";
        cancelWhen = nullptr;
        Run(letters, mode, false, 31ms);
        const std::string complete = Output();

        // The third look at the flag while the words are being written.
        double stoppedAt = 0;
        int writingShows = 0;
        cancelWhen = [&](const ProgressState& state) {
            const bool writing = mode == ArrangementMode::AllLetters ? state.Caption == L"Write Data"
                                                                     : state.Caption.find(L'/') != std::wstring::npos;
            if (!writing || ++writingShows < 3) return false;
            stoppedAt = state.Value;
            return true;
        };
        const auto result = Run(letters, mode, false, 31ms);
        EXPECT_EQ(result.Outcome, ArrangementOutcome::Cancelled);
        EXPECT_EQ(result.FilesToOpen.size(), 1u);
        EXPECT_EQ(sink_.shown.back().state.Value, stoppedAt);
        const std::string partial = Output();
        EXPECT_LT(partial.size(), complete.size());
        EXPECT_EQ(complete.substr(0, partial.size()), partial);
        if (mode == ArrangementMode::GreatCycle) {
            EXPECT_EQ(LineCount(partial), static_cast<std::size_t>(stoppedAt));
        }
    }
}

// One word written 8! times, found in the dictionary: a cancel leaves a dictionary line for each copy written.
TEST_F(ArrangeProgress, CancelKeepsTheDictionaryLinesOfTheWordsWritten) {
    int writingShows = 0;
    cancelWhen = [&](const ProgressState& state) { return state.Caption == L"Write Data" && ++writingShows == 3; };
    const auto result = Run(L"aaaaaaaa", ArrangementMode::AllLetters, true, 31ms);
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Cancelled);
    EXPECT_EQ(result.FilesToOpen.size(), 2u);
    const std::string lines = ReadBytes(folder_.File(L"OutputDic.txt"));
    EXPECT_GT(LineCount(Output()), 0u);
    EXPECT_LT(LineCount(Output()), 40320u);
    EXPECT_EQ(LineCount(lines), LineCount(Output()));
    EXPECT_EQ(lines.substr(0, 24), "aaaaaaaa : aaaaaaaa, \r\na");
}

// On the real clock: the run looks at the cancel flag often enough to stop within 100 ms.
TEST_F(ArrangeProgress, StopsSoonAfterACancelOnTheRealClock) {
    RecordingSink sink;
    std::chrono::steady_clock::time_point cancelledAt{};
    const auto start = std::chrono::steady_clock::now();
    sink.cancelWhen = [&](const ProgressState&) {
        if (std::chrono::steady_clock::now() - start < 50ms) return false;
        cancelledAt = std::chrono::steady_clock::now();
        return true;
    };
    ArrangementRequest request{L"ابجدهوزطي", ArrangementMode::GreatCycle, true, &records_, folder_.path()};
    const auto result = zarvanta::RunArrangements(engine_, request, sink);
    const auto stopped = std::chrono::steady_clock::now();
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Cancelled);
    EXPECT_LT(stopped - cancelledAt, 100ms);
    for (std::size_t i = 1; i < sink.shown.size(); ++i)
        EXPECT_LT(sink.shown[i].at - sink.shown[i - 1].at, 100ms) << i;
}
