// The alert on the screen: beside a real taskbar window, and a gallery of its looks for people to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "AlertFixture.h"
#include "AmbientProperties.h"
#include "GdiTestSupport.h"
#include "PngFile.h"
#include "ScreenCapture.h"
#include "TestSupport.h"

namespace {

using kxtest::LooseAlert;

// A visible window of the taskbar's class: the newest one is what the alert finds.
class Taskbar {
public:
    explicit Taskbar(const RECT& place) {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = "Shell_TrayWnd";
        RegisterClassA(&cls);
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, place.left,
                                  place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                                  cls.hInstance, nullptr);
    }
    ~Taskbar() { DestroyWindow(window_); }
    Taskbar(const Taskbar&) = delete;
    Taskbar& operator=(const Taskbar&) = delete;

private:
    HWND window_;
};

TEST(AlertScreen, TheWindowStandsBesideARealTaskbar) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        const char* name;
        RECT bar;
        kxAWShowPosition position;
        bool (*fits)(const RECT& alert, const RECT& bar);
    } cases[] = {
        {"bottom", {0, h - 30, w, h}, RightAndButtom,
         [](const RECT& a, const RECT& b) { return a.bottom == b.top && a.right == b.right; }},
        {"left", {0, 0, 30, h}, LeftAndTop, [](const RECT& a, const RECT& b) { return a.left == b.right && a.top == 0; }},
        {"top", {0, 0, w, 30}, LeftAndTop, [](const RECT& a, const RECT& b) { return a.top == b.bottom && a.left == 0; }},
        {"right", {w - 30, 0, w, h}, RightAndMiddle, [](const RECT& a, const RECT& b) { return a.right == b.left; }},
    };
    for (const auto& c : cases) {
        Taskbar bar(c.bar);
        LooseAlert a;
        a.alert->put_ShowStyle(NoneStyle);
        a.alert->put_ShowPosition(c.position);
        ASSERT_EQ(S_OK, a.Show(L"beside the bar"));
        kxtest::Tick(a.Window());
        RECT r = {};
        GetWindowRect(a.Window(), &r);
        EXPECT_TRUE(c.fits(r, c.bar)) << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

IPictureDisp* SamplePicture() {
    kxtest::Dib dib(32, 32, 24);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) dib.Set(x, y, (x / 8 + y / 8) % 2 ? RGB(40, 120, 200) : RGB(250, 200, 40));
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_BITMAP};
    desc.bmp.hbitmap = dib.Release();
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    return picture;
}

// Three outlines over two grounds, with a title, a picture, Persian text and two buttons.
TEST(AlertScreen, GalleryOfOutlinesAndGrounds) {
    const kxAWBorderStyle outlines[] = {kxAWRectangle, kxAWRound, kxAWCircle};
    const kxAWBackStyle grounds[] = {Solid, Gradient};
    constexpr int kCell = 260, kMargin = 8;
    kxtest::Canvas gallery(3 * (kCell + kMargin) + kMargin, 2 * (kCell + kMargin) + kMargin, 32, RGB(0xE0, 0xE0, 0xE0));
    IFontDisp* font = kx::CreateFontObject(L"Tahoma", 10, ARABIC_CHARSET);
    IPictureDisp* picture = SamplePicture();
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column) {
            LooseAlert a;
            a.alert->put_ShowStyle(NoneStyle);
            a.alert->put_BorderStyle(outlines[column]);
            a.alert->put_BackStyle(grounds[row]);
            a.alert->put_BackColor(row ? RGB(170, 200, 240) : 0x80000018);
            a.alert->put_RightToLeft(VARIANT_TRUE);
            a.alert->putref_Font(font);
            a.alert->putref_Picture(picture);
            kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextTitle, L"\u0647\u0634\u062F\u0627\u0631");
            kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton1, L"\u0628\u0644\u0647");
            kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton2, L"\u062E\u064A\u0631");
            ASSERT_EQ(S_OK, a.Show(L"\u067E\u064A\u0627\u0645 \u0634\u0645\u0627 \u0630\u062E\u064A\u0631\u0647 \u0634\u062F"));
            kxtest::Tick(a.Window());
            UpdateWindow(a.Window());
            kxtest::PumpMessages(50);
            const kxtest::ScreenCapture shot(a.Window());
            RECT r = {};
            GetWindowRect(a.Window(), &r);
            HDC source = CreateCompatibleDC(nullptr);
            HGDIOBJ previous = SelectObject(source, shot.Bitmap());
            BitBlt(gallery.dc(), kMargin + column * (kCell + kMargin), kMargin + row * (kCell + kMargin),
                   std::min<int>(kCell, r.right - r.left), std::min<int>(kCell, r.bottom - r.top), source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        }
    picture->Release();
    font->Release();
    GdiFlush();
    HBITMAP image = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(image, kxtest::BesideThisProgram(L"alert-gallery.png")));
}

}  // namespace
