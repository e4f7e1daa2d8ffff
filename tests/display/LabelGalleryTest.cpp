#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "LabelFixture.h"
#include "PngFile.h"
#include "TestSupport.h"

namespace {

using kxtest::BesideThisProgram;

// A few labels side by side for people to look at: angles, text styles, grounds and borders.
TEST(LabelGalleryTest, LabelsAsOnePicture) {
    constexpr int kW = 150, kH = 90, kMargin = 8, kColumns = 4;
    const std::vector<std::function<void(kx::KxLabel*)>> looks = {
        [](kx::KxLabel*) {},
        [](kx::KxLabel* l) { l->put_Degree(45); },
        [](kx::KxLabel* l) { l->put_Degree(90); l->put_BorderStyle(kxlbFlat); },
        [](kx::KxLabel* l) { l->put_Degree(180); l->put_BorderStyle(kxlbRaised); },
        [](kx::KxLabel* l) { l->put_TextStyle(kxlRaised); l->put_BorderStyle(kxlbRaisedSunken); },
        [](kx::KxLabel* l) { l->put_TextStyle(kxlSunken); l->put_BorderStyle(kxlbSunkenRaised); },
        [](kx::KxLabel* l) {
            l->put_BackStyle(kxfGradiantUpDown);
            l->put_FirstColor(RGB(255, 255, 255));
            l->put_SecondColor(RGB(40, 90, 200));
            l->put_Alignment(2);
        },
        [](kx::KxLabel* l) {
            l->put_BackStyle(kxfGradiantLeftRight);
            l->put_FirstColor(RGB(250, 220, 120));
            l->put_SecondColor(RGB(200, 60, 30));
            l->put_Degree(30);
            l->put_CharDegree(0);
            l->put_ForeColor(RGB(255, 255, 255));
        },
    };
    const int rows = static_cast<int>((looks.size() + kColumns - 1) / kColumns);
    kxtest::Canvas gallery(kColumns * (kW + kMargin) + kMargin, rows * (kH + kMargin) + kMargin, 32,
                           RGB(0xE0, 0xE0, 0xE0));
    for (size_t i = 0; i < looks.size(); ++i) {
        kxtest::LooseLabel l(kW, kH);
        IFontDisp* font = kxtest::MakeFont(L"Tahoma", 14, true);
        l.label->putref_Font(font);
        font->Release();
        kxtest::SetCaption(l.label, L"Abjad \u0627\u0628\u062c\u062f");
        l.label->put_BorderStyle(kxlbSunken);
        looks[i](l.label);
        const int column = static_cast<int>(i % kColumns), row = static_cast<int>(i / kColumns);
        const POINT origin = l.label->PictureBox().ClientOrigin();
        BitBlt(gallery.dc(), kMargin + column * (kW + kMargin) + origin.x, kMargin + row * (kH + kMargin) + origin.y,
               l.Width(), l.Height(), l.Dc(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, BesideThisProgram(L"label-gallery.png")));
}

}  // namespace
