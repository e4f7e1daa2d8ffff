// Hover and press by the real pointer (SendInput under Xvfb) reach the part painters of the Windows XP,
// Windows Theme, Plastik, Galaxy and Office 2003 looks, and repaint that one box only.
#include <gtest/gtest.h>

#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxScrollBar.h"
#include "PropertyBag.h"

namespace {

using kxtest::MovePointerTo;
using kxtest::PumpUntil;

// A button of the real pointer pressed or released where it is.
void SendPointer(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// A vertical bar of one style, run mode, on a topmost host in a corner where no other test's windows come.
class HostedBar {
public:
    explicit HostedBar(long style) : window_(200, 260, 1000, 60) {
        SetWindowPos(window_.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        host_ = new kx::ControlHost(window_.hwnd());
        auto* bag = new kx::MemoryPropertyBag();
        VARIANT value = kxtest::Long(style);
        bag->Write(L"Style", &value);
        const RECT bounds = {20, 20, 37, 220};
        site_ = host_->PlaceObject(static_cast<IOleObject*>(bar_), L"sbLook", bounds, bag, nullptr);
        bag->Release();
        MovePointerTo(Outside());
        PumpUntil([this] { return bar_->HitState() == 0; });
    }
    ~HostedBar() {
        MovePointerTo(Outside());
        kxtest::PumpMessages(20);
        host_->Remove(site_);
        delete host_;
        bar_->Release();
    }
    HostedBar(const HostedBar&) = delete;
    HostedBar& operator=(const HostedBar&) = delete;

    kx::KxScrollBar* bar() const { return bar_; }
    POINT Outside() const {
        RECT r = {};
        GetWindowRect(window_.hwnd(), &r);
        return {r.left + 150, r.top + 200};
    }
    POINT CentreOf(int part) const {
        RECT r = {};
        GetWindowRect(bar_->Box(part).Hwnd(), &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::vector<COLORREF> Picture(int part) const {
        kx::PictureBox& box = bar_->Box(part);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < box.ScaleHeight(); ++y)
            for (int x = 0; x < box.ScaleWidth(); ++x) pixels.push_back(GetPixel(box.Dc(), x, y));
        return pixels;
    }

private:
    kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::ControlSite* site_ = nullptr;
    kx::KxScrollBar* bar_ = new kx::KxScrollBar();
};

TEST(ScrollThemeLooksInput, PointerHoverAndPressRepaintTheOneBox) {
    const struct {
        long style;
        const char* name;
        bool hotThumbDiffers;
    } looks[] = {{kxSBWindowsXP, "Windows XP", true},
                 {kxSBWindowsTheme, "Windows Theme", false},
                 {kxSBPlastik, "Plastik", true},
                 {kxSBGalaxy, "Galaxy", false},
                 {kxSBOffice2003, "Office 2003", true}};
    for (const auto& look : looks) {
        HostedBar hosted(look.style);
        for (int part : {0, 1, 2}) {
            const std::vector<COLORREF> normal[3] = {hosted.Picture(0), hosted.Picture(1), hosted.Picture(2)};
            MovePointerTo(hosted.CentreOf(part));
            ASSERT_TRUE(PumpUntil([&] { return hosted.bar()->HitState() == 1 + 2 * part; })) << look.name << part;
            const std::vector<COLORREF> hot = hosted.Picture(part);
            if (part < 2 || look.hotThumbDiffers) EXPECT_NE(hot, normal[part]) << look.name << " hot " << part;

            SendPointer(MOUSEEVENTF_RIGHTDOWN);  // pressed, without a step
            ASSERT_TRUE(PumpUntil([&] { return hosted.bar()->HitState() == 2 + 2 * part; })) << look.name << part;
            EXPECT_NE(hosted.Picture(part), hot) << look.name << " pressed " << part;
            for (int other = 0; other < 3; ++other)
                if (other != part) EXPECT_EQ(hosted.Picture(other), normal[other]) << look.name << " box " << other;

            SendPointer(MOUSEEVENTF_RIGHTUP);
            kxtest::PumpMessages(20);
            MovePointerTo(hosted.Outside());  // the hover timer then repaints the whole bar
            ASSERT_TRUE(PumpUntil([&] { return hosted.bar()->HitState() == 0; })) << look.name << part;
            EXPECT_EQ(hosted.Picture(part), normal[part]) << look.name << ": back to normal " << part;
        }
    }
}

}  // namespace
