// kxMedia over the platform's real playback graph: files written by the test play in real time (sound to
// ALSA's null device); every wait is bounded and ends on an event or a state.
#include <gtest/gtest.h>

#include "MediaFixture.h"

namespace {

using kxtest::HostedMedia;
using kxtest::MediaFiles;
using kxtest::PumpUntil;

TEST(MediaPlaybackTest, OneSecondWavePlaysReportsItsDurationAndPausesAtTheEnd) {
    MediaFiles files;
    HostedMedia m;
    m.SetFileName(files.Wave(L"one.wav", 1));
    m.ClearEvents();
    ASSERT_TRUE(m.Play());
    EXPECT_TRUE(m.Playing());
    EXPECT_EQ(4260, m.Duration());
    EXPECT_TRUE(m.HasPlayer());
    ASSERT_TRUE(PumpUntil([&] { return m.Count(kxtest::kActionPause) > 0; }));
    EXPECT_FALSE(m.Playing());
    ASSERT_FALSE(m.positions.empty());
    EXPECT_EQ(-1, m.positions.back());
    for (size_t i = 1; i + 1 < m.positions.size(); ++i) EXPECT_LE(m.positions[i - 1], m.positions[i]) << i;
    EXPECT_TRUE(m.Stop());
    EXPECT_FALSE(m.HasPlayer());
}

}  // namespace
