// kxFrame outside any container: its pixels, its title, its bag and its events.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "AboutBoxTestSupport.h"
#include "ControlTestSupport.h"
#include "GdiTestSupport.h"
#include "Handles.h"
#include "KxFrame.h"
#include "PersistenceTestSupport.h"
#include "PngFile.h"
#include "PropertyBag.h"
#include "TestSupport.h"

namespace {

using Bag = kxtest::SavedBag;

class LooseFrame {
public:
    explicit LooseFrame(int width = 60, int height = 40, bool initNew = true) {
        if (initNew) {
            IPersistStreamInit* persist = nullptr;
            frame->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
            persist->InitNew();
            persist->Release();
        }
        SIZEL size = {MulDiv(width, 2540, 96), MulDiv(height, 2540, 96)};
        static_cast<IOleObject*>(frame)->SetExtent(DVASPECT_CONTENT, &size);
    }
    ~LooseFrame() { frame->Release(); }
    LooseFrame(const LooseFrame&) = delete;
    LooseFrame& operator=(const LooseFrame&) = delete;

    HDC Dc() const {
        LONG dc = 0;
        frame->get_hdc(&dc);
        return kx::HandleFromLong<HDC>(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(Dc(), x, y); }
    void SetCaption(const wchar_t* text) const {
        BSTR caption = SysAllocString(text);
        frame->put_Caption(caption);
        SysFreeString(caption);
    }
    void SetFont(const wchar_t* face, double points) const {
        IFontDisp* font = kxtest::MakeFont(face, points);
        frame->putref_Font(font);
        font->Release();
    }
    IPersistPropertyBag* Persist() const {
        IPersistPropertyBag* p = nullptr;
        frame->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
        p->Release();  // the frame keeps it alive
        return p;
    }

    kx::KxFrame* frame = new kx::KxFrame();
};

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
const COLORREF kDark = GetSysColor(COLOR_BTNSHADOW);
const COLORREF kLight = GetSysColor(COLOR_BTNHIGHLIGHT);

bool Reddish(COLORREF c) { return GetRValue(c) > 160 && GetBValue(c) < 96; }
bool Bluish(COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 96; }

struct Pixel {
    int x, y;
    COLORREF colour;
};

// Each look on a plain ground without a title (the border from the top row), 60 x 40: W = 59, H = 39.
TEST(FrameTest, EachBorderLookDrawsItsLines) {
    const struct {
        long style;
        std::vector<Pixel> pixels;
    } cases[] = {
        {kxfNone, {{0, 0, kFace}, {59, 39, kFace}}},
        {kxfSingle, {{0, 0, kDark}, {59, 0, kDark}, {59, 39, kDark}, {0, 39, kDark}, {1, 1, kFace}}},
        {kxfDouble, {{0, 0, kDark}, {1, 1, kFace}, {2, 2, kDark}, {57, 37, kDark}, {58, 38, kFace}, {3, 3, kFace}}},
        {kxfInner, {{0, 0, kDark}, {1, 1, kLight}, {58, 38, kLight}, {59, 39, kDark}, {2, 2, kFace}}},
        {kxfOuter, {{0, 0, kLight}, {1, 1, kDark}, {58, 38, kDark}, {59, 39, kLight}}},
        // Lines stop before their second point: the bottom-left corner stays bare.
        {kxfRaise, {{5, 0, kLight}, {0, 5, kLight}, {59, 0, kDark}, {59, 5, kDark}, {5, 39, kDark}, {0, 39, kFace},
                    {1, 1, kFace}}},
        {kxfPressed, {{5, 0, kDark}, {0, 5, kDark}, {59, 0, kLight}, {59, 5, kLight}, {5, 39, kLight},
                      {0, 39, kFace}}},
        {9, {{0, 0, kFace}, {59, 39, kFace}}},
    };
    for (const auto& c : cases) {
        LooseFrame f;
        f.SetCaption(L"");
        f.frame->put_BackStyle(kxfSolid);
        f.frame->put_BorderStyle(static_cast<kxFrameBorder>(c.style));
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(f.At(p.x, p.y), p.colour) << "style " << c.style << " at " << p.x << "," << p.y;
    }
}

// The border starts at half the title's height; laid down, at the top, the title opaque or not.
TEST(FrameTest, TheTitleSetsTheTopOfTheBorder) {
    for (double points : {8.0, 10.0, 12.0}) {
        LooseFrame f(120, 60);
        f.frame->put_BackStyle(kxfSolid);
        f.frame->put_BorderStyle(kxfSingle);
        f.SetFont(L"Tahoma", points);
        f.SetCaption(L"Title");
        const kx::FrameTitleBox title = f.frame->TitleBox();
        ASSERT_TRUE(title.visible);
        EXPECT_EQ(title.left, 5);
        const long t = static_cast<long>(std::nearbyint(title.height / 2.0));
        EXPECT_EQ(f.At(110, t), kDark) << points;
        EXPECT_EQ(f.At(110, t - 1), kFace) << points;
        EXPECT_EQ(f.At(title.left + 1, t), kFace) << "the opaque title hides the line behind it";
        f.frame->put_LableDown(VARIANT_TRUE);
        EXPECT_EQ(f.At(110, 0), kDark) << points;
        EXPECT_EQ(f.At(110, t), kFace) << points;
    }
}

TEST(FrameTest, AnEmptyCaptionHidesTheTitle) {
    LooseFrame f;
    f.SetCaption(L"");
    f.frame->put_BorderStyle(kxfSingle);
    f.frame->put_FirstColor(RGB(255, 0, 0));
    EXPECT_FALSE(f.frame->TitleBox().visible);
    EXPECT_EQ(f.At(30, 0), kDark);
    EXPECT_TRUE(Reddish(f.At(30, 1))) << "the gradient from the top edge";
}

// Over a gradient the title lies on a band of its own, top to bottom, whatever the ground's direction.
TEST(FrameTest, GradientGroundsAndTheCaptionBand) {
    for (long style : {kxfGradiantUpDown, kxfGradiantLeftRight}) {
        LooseFrame f(120, 80);
        f.SetFont(L"Tahoma", 10);
        f.SetCaption(L"Title");
        f.frame->put_BorderStyle(kxfNone);
        f.frame->put_FirstColor(RGB(255, 0, 0));
        f.frame->put_SecondColor(RGB(0, 0, 255));
        f.frame->put_LableDown(VARIANT_TRUE);
        f.frame->put_BackStyle(static_cast<kxFrameBackStyle>(style));
        const kx::FrameTitleBox title = f.frame->TitleBox();
        const long g = static_cast<long>(std::nearbyint(title.height / 2.0));
        SCOPED_TRACE(style);
        EXPECT_EQ(f.At(115, g - 1), kFace) << "the ground starts at half the title even when laid down";
        if (style == kxfGradiantUpDown) {
            EXPECT_TRUE(Reddish(f.At(115, g)));
            EXPECT_TRUE(Bluish(f.At(115, 79)));
        } else {
            EXPECT_TRUE(Reddish(f.At(0, 60)));
            EXPECT_TRUE(Bluish(f.At(119, 60)));
        }
        EXPECT_EQ(f.At(title.left - 2, 1), kDark) << "the band's outline";
        EXPECT_TRUE(Reddish(f.At(title.left - 1, 1))) << "the band runs top to bottom";
        EXPECT_TRUE(Bluish(f.At(title.left - 1, title.height - 1)));
    }
}

TEST(FrameTest, RightToLeftPutsTheTitleAtTheRight) {
    LooseFrame f(120, 60);
    f.SetCaption(L"\u0639\u0646\u0648\u0627\u0646");
    f.frame->put_RightToLeft(VARIANT_TRUE);
    const kx::FrameTitleBox title = f.frame->TitleBox();
    EXPECT_EQ(title.left, 120 - title.width - 5);
}

// With a picture the drawing clamps AlphaBlend; without one it keeps what was set.
TEST(FrameTest, AlphaBlendIsClampedOnlyWhenAPictureIsDrawn) {
    LooseFrame f(100, 80);
    f.frame->put_AlphaBlend(300);
    LONG alpha = 0;
    f.frame->get_AlphaBlend(&alpha);
    EXPECT_EQ(alpha, 300);
    IPictureDisp* picture = kxtest::SolidPicture(RGB(0, 200, 0));
    f.frame->putref_Picture(picture);
    picture->Release();
    f.frame->get_AlphaBlend(&alpha);
    EXPECT_EQ(alpha, 255);
    f.SetCaption(L"");
    f.frame->put_PictureAlignment(LeftAndTop);
    EXPECT_EQ(f.At(3, 3), RGB(0, 200, 0));
    EXPECT_EQ(f.At(10, 10), RGB(0, 200, 0));
    EXPECT_NE(f.At(11, 11), RGB(0, 200, 0));
    f.frame->put_Stretch(VARIANT_TRUE);
    f.frame->put_MaskColor(RGB(255, 0, 255));
    f.frame->put_UseMaskColor(VARIANT_TRUE);  // the shared drawing stretches masked pictures only
    EXPECT_EQ(f.At(93, 73), RGB(0, 200, 0)) << "stretched to 6 pixels from the right and bottom";
    EXPECT_NE(f.At(94, 74), RGB(0, 200, 0));
}

TEST(FrameTest, BadValuesAreRefusedOrDrawNothing) {
    LooseFrame f;
    EXPECT_EQ(f.frame->putref_Font(nullptr), static_cast<HRESULT>(0x800A017C));
    EXPECT_EQ(f.frame->put_PictureAlignment(static_cast<kxAWShowPosition>(42)), S_OK);
    EXPECT_EQ(f.frame->put_BackStyle(static_cast<kxFrameBackStyle>(7)), S_OK);
    EXPECT_EQ(f.At(30, 30), kFace) << "an unknown back style leaves the cleared ground";
}

const std::vector<std::wstring> kAllKeys = {
    L"Caption", L"FirstColor", L"SecondColor", L"BackStyle", L"BorderStyle", L"BackColor",
    L"Font",    L"ForeColor",  L"RightToLeft", L"Enabled",   L"PictureAlignment", L"Stretch",
    L"MaskColor", L"UseMaskColor", L"AlphaBlend", L"LableDown", L"Picture"};

TEST(FrameTest, EveryKeyRoundTripsInOrder) {
    LooseFrame f;
    f.SetCaption(L"\u0627\u0628\u062c\u062f");
    f.frame->put_FirstColor(1);
    f.frame->put_SecondColor(2);
    f.frame->put_BackStyle(kxfSolid);
    f.frame->put_BorderStyle(kxfDouble);
    f.frame->put_BackColor(0x102030);
    f.SetFont(L"Tahoma", 11.25);
    f.frame->put_ForeColor(0xFF);
    f.frame->put_RightToLeft(VARIANT_TRUE);
    f.frame->put_Enabled(VARIANT_FALSE);
    f.frame->put_PictureAlignment(LeftAndTop);
    f.frame->put_Stretch(VARIANT_TRUE);
    f.frame->put_MaskColor(0xFF00FF);
    f.frame->put_UseMaskColor(VARIANT_TRUE);
    f.frame->put_AlphaBlend(100);
    f.frame->put_LableDown(VARIANT_TRUE);
    IPictureDisp* picture = kxtest::SolidPicture(RGB(1, 2, 3));
    f.frame->putref_Picture(picture);
    picture->Release();
    Bag saved;
    ASSERT_EQ(f.Persist()->Save(saved.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(saved.Keys(), kAllKeys);

    LooseFrame loaded(60, 40, false);
    ASSERT_EQ(loaded.Persist()->Load(saved.bag, nullptr), S_OK);
    Bag again;
    ASSERT_EQ(loaded.Persist()->Save(again.bag, TRUE, TRUE), S_OK);
    kxtest::ExpectSameProperties(saved.bag, again.bag);
}

// A new frame outside a container has no name to show; a loaded one without a caption shows "Title".
TEST(FrameTest, NewAndLoadedFramesTakeTheirCaptions) {
    LooseFrame made;
    BSTR caption = nullptr;
    made.frame->get_Caption(&caption);
    EXPECT_STREQ(caption, L"");
    SysFreeString(caption);
    LooseFrame loaded(60, 40, false);
    Bag empty;
    ASSERT_EQ(loaded.Persist()->Load(empty.bag, nullptr), S_OK);
    loaded.frame->get_Caption(&caption);
    EXPECT_STREQ(caption, L"Title");
    SysFreeString(caption);
    kxFrameBorder border = kxfNone;
    loaded.frame->get_BorderStyle(&border);
    EXPECT_EQ(border, kxfInner);
}

TEST(FrameTest, RedrawsWithAPictureLeakNoGdiObjects) {
    LooseFrame f(100, 80);
    IPictureDisp* picture = kxtest::SolidPicture(RGB(0, 200, 0));
    f.frame->putref_Picture(picture);
    picture->Release();
    f.frame->put_UseMaskColor(VARIANT_TRUE);
    f.frame->put_AlphaBlend(128);
    f.frame->Refresh();
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 1000; ++i) f.frame->Refresh();
    EXPECT_EQ(kxtest::GdiObjectCount(), before);
}

// Every border over every ground, one row per border, for people to look at.
TEST(FrameTest, BordersAndGroundsAsOnePicture) {
    constexpr int kW = 140, kH = 80, kMargin = 8;
    const kxFrameBorder borders[] = {kxfNone, kxfSingle, kxfDouble, kxfInner, kxfOuter, kxfRaise, kxfPressed};
    const kxFrameBackStyle grounds[] = {kxfSolid, kxfGradiantUpDown, kxfGradiantLeftRight};
    const int columns = static_cast<int>(std::size(grounds)), rows = static_cast<int>(std::size(borders));
    kxtest::Canvas gallery(columns * (kW + kMargin) + kMargin, rows * (kH + kMargin) + kMargin, 32,
                           RGB(0xE0, 0xE0, 0xE0));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            LooseFrame f(kW, kH);
            f.SetFont(L"Tahoma", 9);
            f.SetCaption((L"Border " + std::to_wstring(borders[row])).c_str());
            f.frame->put_FirstColor(RGB(250, 220, 120));
            f.frame->put_SecondColor(RGB(40, 90, 200));
            f.frame->put_BackStyle(grounds[column]);
            f.frame->put_BorderStyle(borders[row]);
            BitBlt(gallery.dc(), kMargin + column * (kW + kMargin), kMargin + row * (kH + kMargin), kW, kH, f.Dc(),
                   0, 0, SRCCOPY);
        }
    }
    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, kxtest::BesideThisProgram(L"frame-gallery.png")));
}

TEST(FrameTest, AboutShowsTheBoxWithTheFramesTitle) {
    kx::KxFrame* frame = new kx::KxFrame();
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Frame", kxtest::AboutTitleShownBy([&] { return frame->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    frame->Release();
}

}  // namespace
