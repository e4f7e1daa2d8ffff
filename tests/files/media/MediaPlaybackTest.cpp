// kxMedia over the platform's real playback graph: files written by the test play in real time (sound to
// ALSA's null device); every wait is bounded and ends on an event or a state.
#include <gtest/gtest.h>

#include <dshow.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MediaFixture.h"
#include "PersistenceTestSupport.h"

namespace {

using kxtest::HostedMedia;
using kxtest::kActionBackward;
using kxtest::kActionForeward;
using kxtest::kActionPause;
using kxtest::kActionPlay;
using kxtest::kActionStop;
using kxtest::MediaFiles;
using kxtest::PumpUntil;

// The position the graph reports, in seconds.
double GraphSeconds(const HostedMedia& m) {
    IDispatch* position = nullptr;
    m.media->get_PlayerPos(&position);
    if (!position) return -1;
    IMediaPosition* typed = nullptr;
    REFTIME seconds = -1;
    if (SUCCEEDED(position->QueryInterface(IID_IMediaPosition, reinterpret_cast<void**>(&typed)))) {
        typed->get_CurrentPosition(&seconds);
        typed->Release();
    }
    position->Release();
    return seconds;
}

// Whether a reported position fell back to an earlier one (a jump to the start) without a stop between.
bool PositionFellBack(const std::vector<long>& positions) {
    for (size_t i = 1; i < positions.size(); ++i)
        if (positions[i] >= 0 && positions[i - 1] >= 0 && positions[i] < positions[i - 1]) return true;
    return false;
}

struct Scenario {
    const char* name;
    std::vector<double> files;  // seconds of each list entry, written as WAV files
    bool repeat;
    long repeatEvery;
    std::function<bool(const HostedMedia&)> done;
    std::vector<DISPID> actions;  // the first events but PositionChange, in order, once done
    std::vector<long> durations;  // Duration right after each of the first ActionPlays
};

// Duration as the event after each ActionPlay saw it: the file that play started.
std::vector<long> DurationsAfterPlays(const HostedMedia& m) {
    std::vector<long> found;
    for (size_t i = 0; i + 1 < m.events.size(); ++i)
        if (m.events[i] == kActionPlay) found.push_back(m.durations[i + 1]);
    return found;
}

// A file may end before its first report (the null sound device drains early), so the next event after a
// play can be the following play: the checks read the sequence up to what the case asks.
bool PlaysThenEvent(const HostedMedia& m, int plays) {
    return m.Count(kActionPlay) >= plays && m.events.back() != kActionPlay;
}

template <class T>
std::vector<T> Prefix(const std::vector<T>& values, size_t count) {
    return {values.begin(), values.begin() + std::min(count, values.size())};
}

TEST(MediaPlaybackTest, ListsAndRepeatRulesGiveTheirEventsInOrder) {
    const Scenario scenarios[] = {
        {"one file, RepeatEvery 0: stops at its end", {1}, false, 0,
         [](const HostedMedia& m) { return m.Count(kActionStop) > 0; }, {kActionPlay, kActionStop}, {4260}},
        {"list a b: a, then b, then ActionStop", {1, 2}, false, 0,
         [](const HostedMedia& m) { return m.Count(kActionStop) > 0; }, {kActionPlay, kActionPlay, kActionStop},
         {4260, 8520}},
        {"list a b under Repeat: starts over after b", {1, 2}, true, 0,
         [](const HostedMedia& m) { return PlaysThenEvent(m, 3); },
         {kActionPlay, kActionPlay, kActionStop, kActionPlay}, {4260, 8520, 4260}},
        {"RepeatEvery 2: pauses at the end, plays again", {1}, false, 2,
         [](const HostedMedia& m) { return PlaysThenEvent(m, 2); }, {kActionPlay, kActionPause, kActionPlay},
         {4260, 4260}},
        {"RepeatEvery 2 under Repeat: jumps to the start at once", {2}, true, 2,
         [](const HostedMedia& m) { return PositionFellBack(m.positions); }, {kActionPlay}, {8520}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        MediaFiles files;
        std::vector<std::wstring> entries;
        for (size_t i = 0; i < s.files.size(); ++i)
            entries.push_back(files.Wave(L"entry" + std::to_wstring(i) + L".wav", s.files[i]));
        HostedMedia m;
        m.SetFileName(kxtest::PlayListOf(entries));  // no final CR LF: the last entry still plays
        m.SetRepeat(s.repeat);
        m.SetRepeatEvery(s.repeatEvery);
        m.ClearEvents();
        ASSERT_TRUE(m.Play());
        ASSERT_TRUE(PumpUntil([&] { return s.done(m); }, 20000));
        EXPECT_EQ(s.actions, Prefix(m.Actions(), s.actions.size()));
        EXPECT_EQ(s.durations, Prefix(DurationsAfterPlays(m), s.durations.size()));
        m.Stop();
    }
}

// PositionChange rises while a file plays and gives -1 once it has stopped; the restart after RepeatEvery
// waits its seconds.
TEST(MediaPlaybackTest, PositionsRiseThenMinusOneAndTheRestartWaitsRepeatEvery) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(files.Wave(L"two.wav", 2));
    m.ClearEvents();
    ASSERT_TRUE(m.Play());
    ASSERT_TRUE(PumpUntil([&] { return m.Count(kActionPlay) == 2; }));
    const std::vector<DISPID> actions = m.Actions();
    ASSERT_EQ((std::vector<DISPID>{kActionPlay, kActionPause, kActionPlay}), actions);
    size_t pause = 0;
    while (m.events[pause] != kActionPause) ++pause;
    size_t replay = pause + 1;
    while (m.events[replay] != kActionPlay) ++replay;
    EXPECT_GE(m.times[replay] - m.times[pause], 900u);  // Timer2's second ticks fall anywhere in the first second
    const size_t firstPositions = std::count(m.events.begin(), m.events.begin() + pause, kxtest::kPositionChange);
    ASSERT_GE(firstPositions, 3u);
    for (size_t i = 1; i < firstPositions; ++i) EXPECT_LE(m.positions[i - 1], m.positions[i]) << i;
    EXPECT_GT(m.positions[firstPositions - 1], 0);
    EXPECT_EQ(-1, m.positions[firstPositions]);
    m.Stop();
}

TEST(MediaPlaybackTest, PauseThenPlayStartsTheFileAgainFromItsStart) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(files.Wave(L"ten.wav", 10));
    ASSERT_TRUE(m.Play());
    EXPECT_EQ(42600, m.Duration());
    ASSERT_TRUE(PumpUntil([&] { return GraphSeconds(m) >= 1.0; }));
    ASSERT_TRUE(m.Pause());
    EXPECT_FALSE(m.Playing());
    EXPECT_TRUE(m.HasPlayer());
    ASSERT_TRUE(m.Play());
    EXPECT_TRUE(m.Playing());
    EXPECT_LT(GraphSeconds(m), 0.9);
    m.Stop();
}

TEST(MediaPlaybackTest, SettingFileNameStopsAndForgetsTheRestOfTheList) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(kxtest::PlayListOf({files.Wave(L"a.wav", 2), files.Wave(L"b.wav", 1)}));
    ASSERT_TRUE(m.Play());
    m.ClearEvents();
    m.SetFileName(files.Wave(L"ten.wav", 10));
    EXPECT_EQ(std::vector<DISPID>{kActionStop}, m.Actions());
    EXPECT_FALSE(m.Playing());
    EXPECT_FALSE(m.HasPlayer());
    ASSERT_TRUE(m.Play());
    EXPECT_EQ(42600, m.Duration());
    m.Stop();
}

TEST(MediaPlaybackTest, ForewardAndBackwardMoveFiveSeconds) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(files.Wave(L"ten.wav", 10));
    ASSERT_TRUE(m.Play());
    m.ClearEvents();
    ASSERT_TRUE(m.Forward());
    EXPECT_GE(GraphSeconds(m), 5.0);
    ASSERT_TRUE(m.Backward());
    EXPECT_LT(GraphSeconds(m), 1.0);
    ASSERT_TRUE(m.Backward());  // near the start: back to 0, not below
    EXPECT_GE(GraphSeconds(m), 0.0);
    EXPECT_LT(GraphSeconds(m), 1.0);
    EXPECT_EQ((std::vector<DISPID>{kActionForeward, kActionBackward, kActionBackward}), m.Actions());
    m.Stop();
}

// Loaded in run mode, the player starts its file RepeatEvery seconds after loading.
TEST(MediaPlaybackTest, LoadedInRunModePlaybackStartsRepeatEverySecondsLater) {
    MediaFiles files;
    kxtest::SavedBag bag;
    VARIANT name = kxtest::Text(files.Wave(L"two.wav", 2).c_str());
    bag.bag->Write(L"FileName", &name);
    VariantClear(&name);
    VARIANT every = kxtest::Long(1);
    bag.bag->Write(L"RepeatEvery", &every);
    const DWORD loaded = GetTickCount();
    HostedMedia m(bag.bag, true);
    ASSERT_TRUE(PumpUntil([&] { return m.Playing(); }, 10000));
    EXPECT_GE(GetTickCount() - loaded, 800u);
    EXPECT_EQ(std::vector<DISPID>{kActionPlay}, m.Actions());
    EXPECT_EQ(8520, m.Duration());
    m.Stop();
}

}  // namespace
