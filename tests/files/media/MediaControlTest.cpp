// kxMedia as a control, without playing anything: defaults, the refused Duration, the fixed size in both
// containers, the face, and persistence with the timers' state after loading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorInfo.h"
#include "MediaFixture.h"
#include "PersistenceTestSupport.h"

namespace {

using kxtest::HostedMedia;

std::wstring ErrorDescription() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info) return L"";
    BSTR text = nullptr;
    info->GetDescription(&text);
    info->Release();
    return kxtest::TakeBstr(text);
}

SIZE ClientSize(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

TEST(MediaControlTest, NewControlHasTheDefaultsAndTimersOff) {
    HostedMedia m;
    BSTR name = nullptr;
    m.media->get_FileName(&name);
    EXPECT_EQ(L"", kxtest::TakeBstr(name));
    kxMediaType type = kxFlash;
    m.media->get_DataType(&type);
    EXPECT_EQ(kxAudio, type);
    VARIANT_BOOL flag = VARIANT_FALSE;
    m.media->get_Enabled(&flag);
    EXPECT_EQ(VARIANT_TRUE, flag);
    m.media->get_Repeat(&flag);
    EXPECT_EQ(VARIANT_FALSE, flag);
    EXPECT_EQ(0, m.Duration());
    LONG every = 0;
    m.media->get_RepeatEvery(&every);
    EXPECT_EQ(2, every);
    EXPECT_FALSE(m.Playing());
    EXPECT_FALSE(m.HasPlayer());
    IDispatch* window = reinterpret_cast<IDispatch*>(1);
    m.media->get_WindowControl(&window);
    EXPECT_EQ(nullptr, window);
    EXPECT_FALSE(m.media->Timer1().Running());
    EXPECT_FALSE(m.media->Timer2().Running());
    EXPECT_EQ(100u, m.media->Timer1().Interval());
    EXPECT_EQ(1000u, m.media->Timer2().Interval());
}

// Only mPlay and loading set Duration: a let is refused, with the number that fits the mode.
TEST(MediaControlTest, SettingDurationIsRefusedInEitherMode) {
    struct Case {
        bool userMode;
        int number;
        const wchar_t* text;
    };
    const Case cases[] = {{true, 382, L"Set not supported at runtime"}, {false, 387, L"Set not permitted"}};
    for (const Case& c : cases) {
        HostedMedia m(nullptr, c.userMode);
        EXPECT_EQ(kx::ErrorHResult(c.number), m.media->put_Duration(4260)) << c.userMode;
        EXPECT_EQ(c.text, ErrorDescription());
        EXPECT_EQ(0, m.Duration());
    }
}

TEST(MediaControlTest, ResizeSnapsBackToFortyEightPixels) {
    HostedMedia m(nullptr, false);
    const HWND control = kxtest::WindowOf(static_cast<IOleObject*>(m.media));
    EXPECT_EQ(48, ClientSize(control).cx);
    m.Site()->Move(10, 10, 200, 90);
    kxtest::PumpMessages(20);
    EXPECT_EQ(48, ClientSize(control).cx);
    EXPECT_EQ(48, ClientSize(control).cy);
    SIZEL extent = {};
    static_cast<IOleObject*>(m.media)->GetExtent(DVASPECT_CONTENT, &extent);
    EXPECT_EQ(1270, extent.cx);  // 720 twips in HIMETRIC
}

// The face: a frame around a screen with a light play sign.
TEST(MediaControlTest, FaceShowsAScreenWithAPlaySign) {
    HostedMedia m;
    UpdateWindow(kxtest::WindowOf(static_cast<IOleObject*>(m.media)));
    LONG dc = 0;
    m.media->get_hdc(&dc);
    const HDC surface = kx::HandleFromLong<HDC>(dc);
    EXPECT_EQ(RGB(0x30, 0x30, 0x38), GetPixel(surface, 1, 1));
    EXPECT_EQ(RGB(0x1E, 0x4E, 0x8C), GetPixel(surface, 8, 8));
    EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), GetPixel(surface, 24, 24));
}

TEST(MediaControlTest, HostedInWinesAtlAxWinTheSizeSnapsBack) {
    const kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(nullptr, create);
    kxtest::HostWindow window(300, 200);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 150, 100, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, place);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxMedia", place, nullptr, &container, &control, IID_NULL, nullptr));
    const HWND media = kxtest::WindowOf(control);
    EXPECT_EQ(48, ClientSize(media).cx);
    EXPECT_EQ(48, ClientSize(media).cy);
    IDispatch* automation = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&automation)));
    EXPECT_EQ(2, kxtest::GetProperty(automation, L"RepeatEvery").lVal);
    automation->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
}

void Put(kxtest::SavedBag& saved, const wchar_t* key, VARIANT value) {
    saved.bag->Write(key, &value);
    VariantClear(&value);
}

IPersistPropertyBag* Persist(kx::KxMedia* media) {
    IPersistPropertyBag* persist = nullptr;
    media->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    persist->Release();  // the control keeps it alive
    return persist;
}

TEST(MediaControlTest, SavesTheSixKeysInOrderAndLeavesDefaultsOut) {
    HostedMedia m;
    kxtest::SavedBag defaults;
    ASSERT_EQ(S_OK, Persist(m.media)->Save(defaults.bag, TRUE, TRUE));
    EXPECT_TRUE(defaults.Keys().empty());

    kxtest::SavedBag given;
    Put(given, L"FileName", kxtest::Text(L"a.wav\r\nb.wav"));
    Put(given, L"DataType", kxtest::Long(kxVideo));
    Put(given, L"Enabled", kxtest::Bool(false));
    Put(given, L"Repeat", kxtest::Bool(true));
    Put(given, L"Duration", kxtest::Long(42600));
    Put(given, L"RepeatEvery", kxtest::Long(7));
    HostedMedia loaded(given.bag, false);
    EXPECT_EQ(42600, loaded.Duration());
    kxtest::SavedBag saved;
    ASSERT_EQ(S_OK, Persist(loaded.media)->Save(saved.bag, TRUE, TRUE));
    EXPECT_EQ((std::vector<std::wstring>{L"FileName", L"DataType", L"Enabled", L"Repeat", L"Duration",
                                         L"RepeatEvery"}),
              saved.Keys());
    kxtest::ExpectSameProperties(given.bag, saved.bag);
}

// Loaded in run mode both timers start (playback follows RepeatEvery seconds later); in design mode they stay off.
TEST(MediaControlTest, LoadingStartsTheTimersOnlyInRunMode) {
    for (const bool userMode : {true, false}) {
        kxtest::SavedBag bag;
        Put(bag, L"RepeatEvery", kxtest::Long(5));
        HostedMedia m(bag.bag, userMode);
        EXPECT_EQ(userMode, m.media->Timer1().Running()) << userMode;
        EXPECT_EQ(userMode, m.media->Timer2().Running()) << userMode;
    }
}

}  // namespace
