#include <gtest/gtest.h>

#include <string>

#include "GdiTestSupport.h"
#include "PngFile.h"
#include "TestSupport.h"
#include "ProgressBarFixture.h"

namespace {

using kxtest::BesideThisProgram;

// The ten looks at 0 %, 42.5 % and 100 % with their text, one look per row, for people to look at.
TEST(ProgressBarGalleryTest, TenLooksAtThreeSharesAsOnePicture) {
    constexpr int kW = 200, kH = 24, kMargin = 8;
    const double shares[] = {0, 42.5, 100};
    const int columns = 3, rows = 10;
    kxtest::Canvas gallery(columns * (kW + kMargin) + kMargin, rows * (kH + kMargin) + kMargin, 32,
                           RGB(0xE0, 0xE0, 0xE0));
    kxtest::LooseProgressBar p(kW, kH);
    p.bar->put_ShowText(VARIANT_TRUE);
    p.bar->put_Color(RGB(0x33, 0x66, 0xCC));
    p.bar->put_kxBrushStyle(kxDiagCross);
    IPictureDisp* tile = kxtest::SolidPicture(RGB(0xE0, 0x90, 0x30));
    p.bar->putref_Image(tile);
    tile->Release();
    for (int look = 0; look < rows; ++look) {
        for (int column = 0; column < columns; ++column) {
            BSTR none = SysAllocString(L"");
            p.bar->put_Text(none);  // Search leaves its word behind
            SysFreeString(none);
            p.Show(look, shares[column]);
            BitBlt(gallery.dc(), kMargin + column * (kW + kMargin), kMargin + look * (kH + kMargin), kW, kH, p.Dc(),
                   0, 0, SRCCOPY);
        }
    }
    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, BesideThisProgram(L"progress-gallery.png")));
}

}  // namespace
