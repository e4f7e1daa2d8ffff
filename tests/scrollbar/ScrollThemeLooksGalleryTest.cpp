// The Windows XP, Windows Theme, Plastik, Galaxy and Office 2003 looks together: a picture of every look,
// direction and state, GDI objects over many repaints, and bars too small for their looks.
#include <gtest/gtest.h>
#include <windows.h>
#include <uxtheme.h>

#include <string>

#include "PngFile.h"
#include "ScrollLookFixture.h"
#include "TestSupport.h"

namespace {

using kxtest::LookBar;

constexpr long kLooks[] = {kxSBWindowsXP, kxSBWindowsTheme, kxSBPlastik, kxSBGalaxy, kxSBOffice2003};

// The bar as it shows: the track, then each box at its place.
void CopyBar(const LookBar& s, HDC target, int x, int y) {
    const auto& track = s.bar->TrackSurface();
    BitBlt(target, x, y, track.Width(), track.Height(), track.Dc(), 0, 0, SRCCOPY);
    for (int part : {0, 1, 2}) {
        kx::PictureBox& box = s.bar->Box(part);
        BitBlt(target, x + box.Left(), y + box.Top(), box.Width(), box.Height(), box.Dc(), 0, 0, SRCCOPY);
    }
}

// Rows: each look (Windows Theme twice, the second without a theme) vertical, then horizontal. Columns:
// normal, disabled, then hot and pressed of the first arrow, the second arrow and the thumb.
TEST(ScrollThemeLooksGallery, EveryLookDirectionAndStateAsOnePicture) {
    constexpr int kAcross = 17, kAlong = 110, kCell = kAlong + 8, kColumns = 8;
    const struct {
        long style;
        bool themed;
    } rows[] = {{kxSBWindowsXP, true},  {kxSBWindowsTheme, true}, {kxSBWindowsTheme, false},
                {kxSBPlastik, true},    {kxSBGalaxy, true},       {kxSBOffice2003, true}};
    constexpr int kRows = 2 * (sizeof rows / sizeof rows[0]);
    kxtest::Canvas gallery(kColumns * kCell + 8, kRows * kCell + 8, 32, RGB(0xE0, 0xE0, 0xE0));
    int row = 0;
    for (bool vertical : {true, false})
        for (const auto& r : rows) {
            for (int column = 0; column < kColumns; ++column) {
                LookBar s(r.style, vertical, kAcross, kAlong);
                if (!r.themed) {
                    SetWindowTheme(s.Window(), L" ", L" ");
                    for (int part : {0, 1, 2}) SetWindowTheme(s.BoxWindow(part), L" ", L" ");
                }
                s.bar->put_Value(30);
                s.Enable(column != 1);
                const int part = (column - 2) / 2;
                if (column >= 2) (column % 2 == 0) ? s.Hover(part) : s.Press(part);
                CopyBar(s, gallery.dc(), 8 + column * kCell, 8 + row * kCell);
                if (column >= 2 && column % 2 == 1) s.Release(part);
            }
            ++row;
        }
    GdiFlush();
    const HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, kxtest::BesideThisProgram(L"scrollbar-theme-looks-gallery.png")));
}

TEST(ScrollThemeLooksGallery, RepaintsAndHoverCyclesKeepTheGdiObjectCountFlat) {
    for (long style : kLooks) {
        LookBar s(style, true);
        s.bar->Refresh();
        s.Hover(0);
        s.Press(0);
        s.Release(0);
        const DWORD before = kxtest::GdiObjectCount();
        for (int i = 0; i < 1000; ++i) {  // the release repaints the whole bar
            s.Hover(i % 3);
            s.Press(i % 3);
            s.Release(i % 3);
        }
        EXPECT_EQ(kxtest::GdiObjectCount(), before) << "style " << style;
    }
}

// Boxes under 4 pixels, 1-pixel and empty bars, black, white and untranslatable colours: every paint
// succeeds and the boxes keep sizes that are not negative.
TEST(ScrollThemeLooksGallery, TinyBarsAndOddColoursPaintWithoutFailing) {
    const SIZE sizes[] = {{0, 0}, {1, 1}, {3, 3}, {1, 80}, {80, 1}, {3, 80}, {80, 3}};
    const OLE_COLOR colours[][2] = {{0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x80000005, 0x80000012},
                                    {0x800000FF, 0x12345678}};
    const DWORD before = kxtest::GdiObjectCount();
    int round = 0;
    for (long style : kLooks)
        for (bool vertical : {true, false})
            for (const SIZE size : sizes) {
                LookBar s(style, vertical);
                s.Resize(size.cx, size.cy);
                const auto& c = colours[round++ % 4];
                s.Colors(c[0], c[1]);
                EXPECT_EQ(s.bar->Refresh(), S_OK) << style << " " << size.cx << "x" << size.cy;
                for (int part : {0, 1, 2}) {
                    s.Hover(part);
                    s.Press(part);
                    s.Release(part);
                    EXPECT_GE(s.BoxWidth(part), 0);
                    EXPECT_GE(s.BoxHeight(part), 0);
                }
            }
    EXPECT_EQ(kxtest::GdiObjectCount(), before);
}

}  // namespace
