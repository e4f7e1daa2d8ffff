// kxVideo: the graph's video window becomes a child of WindowControl's window, covering its client area, and
// the clip's frames show there on screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Handles.h"
#include "MediaFixture.h"
#include "ScriptObject.h"

namespace {

using kxtest::HostedMedia;
using kxtest::MediaFiles;

bool Near(COLORREF got, COLORREF want) {
    return std::abs(GetRValue(got) - GetRValue(want)) <= 24 && std::abs(GetGValue(got) - GetGValue(want)) <= 24 &&
           std::abs(GetBValue(got) - GetBValue(want)) <= 24;
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(MediaVideoTest, TheVideoWindowCoversTheOwnersClientAreaAndShowsTheClip) {
    MediaFiles files;
    for (const bool sound : {false, true}) {
        SCOPED_TRACE(sound ? "with sound" : "without sound");
        kxtest::AviSpec spec;
        spec.sound = sound;
        HostedMedia m;
        HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 80, 10, 160, 120, m.HostWindow(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
        kxtest::ScriptObject windowControl;
        windowControl.AddLong(L"Hwnd", 1, kx::LongFromHandle(owner));
        m.media->putref_WindowControl(&windowControl);
        m.SetDataType(kxVideo);
        m.SetFileName(files.Avi(sound ? L"sound.avi" : L"clip.avi", spec));
        m.SetRepeatEvery(5);  // the last frame stays while the player waits
        ASSERT_TRUE(m.Play());
        EXPECT_EQ(4260, m.Duration());
        IDispatch* videoWindow = nullptr;
        m.media->get_PlayerWindow(&videoWindow);
        EXPECT_NE(nullptr, videoWindow);
        if (videoWindow) videoWindow->Release();

        const HWND video = GetWindow(owner, GW_CHILD);
        ASSERT_NE(nullptr, video);
        EXPECT_EQ(owner, GetAncestor(video, GA_PARENT));
        RECT ownerArea = {}, videoArea = {};
        GetClientRect(owner, &ownerArea);
        GetWindowRect(video, &videoArea);
        MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&videoArea), 2);
        EXPECT_EQ(ownerArea.left, videoArea.left);
        EXPECT_EQ(ownerArea.top, videoArea.top);
        EXPECT_EQ(ownerArea.right, videoArea.right);
        EXPECT_EQ(ownerArea.bottom, videoArea.bottom);

        POINT centre = {80, 60};
        ClientToScreen(owner, &centre);
        const COLORREF clip = RGB(spec.red, spec.green, spec.blue);
        EXPECT_TRUE(kxtest::PumpUntil([&] { return Near(ScreenPixel(centre), clip); }, 10000))
            << std::hex << ScreenPixel(centre);
        m.Stop();
        m.media->putref_WindowControl(nullptr);
        DestroyWindow(owner);
    }
}

}  // namespace
