// The play list and what mPlay does with entries that cannot play: every pass ends, whatever the list holds,
// and a pass that plays nothing leaves the player stopped, its timers off, and says so.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MediaFixture.h"
#include "PersistenceTestSupport.h"
#include "PlayList.h"
#include "ScriptObject.h"

namespace {

using kxtest::HostedMedia;
using kxtest::kActionPlay;
using kxtest::kActionStop;
using kxtest::MediaFiles;

TEST(PlayListTest, TakesEntriesInOrderWithOrWithoutAFinalLineEnd) {
    const std::vector<std::pair<std::wstring, std::vector<std::wstring>>> cases = {
        {L"a.wav", {L"a.wav"}},
        {L"a.wav\r\nb.wav", {L"a.wav", L"b.wav"}},
        {L"a.wav\r\nb.wav\r\n", {L"a.wav", L"b.wav"}},
        {L"a.wav\r\n\r\nb.wav", {L"a.wav", L"", L"b.wav"}},
        {L"", {L""}},
    };
    for (const auto& [names, expected] : cases) {
        kx::PlayList list;
        list.Fill(names);
        std::vector<std::wstring> taken;
        while (!list.Empty()) taken.push_back(list.TakeFirst());
        EXPECT_EQ(expected, taken);
        EXPECT_EQ(L"", list.TakeFirst());
    }
}

// The player after a pass that started nothing.
void ExpectStoppedAfterNothingPlayed(const HostedMedia& m) {
    EXPECT_FALSE(m.Playing());
    EXPECT_FALSE(m.HasPlayer());  // no half-built graph left to pass for a paused one
    EXPECT_FALSE(m.media->Timer1().Running());
    EXPECT_FALSE(m.media->Timer2().Running());
    EXPECT_EQ((std::vector<DISPID>{kActionPlay, kActionStop}), m.Actions());
}

TEST(MediaPlayListTest, AListThatPlaysNothingReturnsFalseAtOnce) {
    MediaFiles files;
    const std::wstring text = files.Write(L"notes.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'});
    std::vector<std::wstring> manyMissing;
    for (int i = 0; i < 10000; ++i) manyMissing.push_back(files.Missing(L"gone" + std::to_wstring(i) + L".wav"));
    struct Case {
        const char* name;
        std::wstring fileName;
        bool repeat;
        long dataType;
    };
    const Case cases[] = {
        {"empty FileName", L"", false, kxAudio},
        {"a missing file", files.Missing(L"gone.wav"), false, kxAudio},
        {"missing files under Repeat", kxtest::PlayListOf({files.Missing(L"x.wav"), files.Missing(L"y.wav")}), true,
         kxAudio},
        {"a folder", files.Folder(L"folder.wav"), true, kxAudio},
        {"a text file that does not render", text, true, kxAudio},
        {"an empty line", L"\r\n", true, kxAudio},
        {"10,000 missing entries under Repeat", kxtest::PlayListOf(manyMissing), true, kxAudio},
        {"a data type outside the three", files.Wave(L"one.wav", 1), false, 5},
        {"video without a WindowControl", files.Avi(L"clip.avi"), false, kxVideo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HostedMedia m;
        m.SetFileName(c.fileName);
        m.SetRepeat(c.repeat);
        m.SetDataType(c.dataType);
        m.ClearEvents();
        const DWORD start = GetTickCount();
        EXPECT_FALSE(m.Play());
        EXPECT_LT(GetTickCount() - start, 5000u);
        ExpectStoppedAfterNothingPlayed(m);
        m.ClearEvents();
        EXPECT_FALSE(m.Play());  // and again: the next try starts from the list's beginning
        ExpectStoppedAfterNothingPlayed(m);
    }
}

TEST(MediaPlayListTest, UnplayableEntriesAreSkippedAndPersianPathsPlay) {
    MediaFiles files;
    const std::wstring text = files.Write(L"notes.txt", {'t', 'e', 'x', 't'});
    const std::wstring persian = files.Folder(L"\x0645\x0648\x0633\x064A\x0642\x064A") + L"\\\x0622\x0647\x0646\x06AF.wav";
    files.Write(L"\x0645\x0648\x0633\x064A\x0642\x064A\\\x0622\x0647\x0646\x06AF.wav", kxtest::WaveFile(2));
    HostedMedia m;
    m.SetFileName(kxtest::PlayListOf({files.Folder(L"sub"), text, L"", files.Missing(L"gone.wav"), persian}) + L"\r\n");
    m.SetRepeatEvery(0);
    m.ClearEvents();
    ASSERT_TRUE(m.Play());
    EXPECT_TRUE(m.Playing());
    EXPECT_EQ(8520, m.Duration());
    EXPECT_EQ(std::vector<DISPID>{kActionPlay}, m.Actions());
    EXPECT_TRUE(kxtest::PumpUntil([&] { return m.Count(kActionStop) > 0; }));
    m.Stop();
}

// Under Repeat a missing entry after a played one starts the list over once: the first entry plays again.
TEST(MediaPlayListTest, UnderRepeatAMissingLastEntryStartsTheListOver) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(kxtest::PlayListOf({files.Wave(L"a.wav", 2), files.Missing(L"gone.wav")}));
    m.SetRepeat(true);
    m.SetRepeatEvery(0);
    ASSERT_TRUE(m.Play());
    m.ClearEvents();
    ASSERT_TRUE(kxtest::PumpUntil([&] { return m.Count(kActionPlay) >= 2 && m.Playing(); }));
    EXPECT_EQ(8520, m.Duration());
    m.Stop();
}

// A WindowControl whose Hwnd cannot be read, or names no window: video does not start and nothing fails.
TEST(MediaPlayListTest, VideoWithoutAnOwnerWindowReturnsFalse) {
    MediaFiles files;
    kxtest::ScriptObject noMembers;
    kxtest::ScriptObject noWindow;
    noWindow.AddLong(L"Hwnd", 1, 0);
    for (IDispatch* owner : {static_cast<IDispatch*>(&noMembers), static_cast<IDispatch*>(&noWindow)}) {
        HostedMedia m;
        m.SetDataType(kxVideo);
        m.SetFileName(files.Avi(L"clip.avi"));
        m.media->putref_WindowControl(owner);
        m.ClearEvents();
        EXPECT_FALSE(m.Play());
        ExpectStoppedAfterNothingPlayed(m);
        m.media->putref_WindowControl(nullptr);
    }
}

// A control loaded with no file tries once, when its countdown runs out, and then stays still.
TEST(MediaPlayListTest, LoadedWithoutAFileTheCountdownTriesOnceThenStops) {
    kxtest::SavedBag bag;
    HostedMedia m(bag.bag, true);
    ASSERT_TRUE(m.media->Timer2().Running());
    m.media->Timer2().SetEnabled(false);  // ticked by hand from here
    m.media->Timer2().Tick();
    EXPECT_TRUE(m.events.empty());
    m.media->Timer2().Tick();
    EXPECT_EQ((std::vector<DISPID>{kActionPlay, kActionStop}), m.Actions());
    EXPECT_FALSE(m.media->Timer1().Running());
    EXPECT_FALSE(m.media->Timer2().Running());
}

// The countdown starts from 0 whenever playback starts, so a restart always waits RepeatEvery seconds; a
// negative RepeatEvery restarts on every tick.
TEST(MediaPlayListTest, TheRestartCountdownBeginsAgainWithEveryStart) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(files.Wave(L"ten.wav", 10));
    m.SetRepeatEvery(2);
    ASSERT_TRUE(m.Play());
    m.media->Timer2().SetEnabled(false);
    ASSERT_TRUE(m.Pause());
    m.media->Timer2().Tick();  // one second stopped
    ASSERT_TRUE(m.Play());
    ASSERT_TRUE(m.Pause());
    m.ClearEvents();
    m.media->Timer2().Tick();
    EXPECT_FALSE(m.Playing()) << "a second of the earlier pause was counted again";
    m.media->Timer2().Tick();
    EXPECT_TRUE(m.Playing());
    EXPECT_EQ(std::vector<DISPID>{kActionPlay}, m.Actions());

    ASSERT_TRUE(m.Pause());
    m.SetRepeatEvery(-1);
    m.media->Timer2().Tick();
    EXPECT_TRUE(m.Playing());
    m.Stop();
}

}  // namespace
