#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "KxButton.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);

constexpr COLORREF kMagenta = RGB(255, 0, 255);

void Fill(HDC dc, RECT area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// A red square inside a one-pixel magenta frame: the top-left colour of a bitmap icon is left out.
IPictureDisp* RedSquare(int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    Fill(dc, {0, 0, size, size}, kMagenta);
    Fill(dc, {1, 1, size - 1, size - 1}, kRed);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_BITMAP};
    desc.bmp.hbitmap = bitmap;
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    return picture;
}

struct IconButton {
    kx::KxButton* button = new kx::KxButton();
    explicit IconButton(int widthPixels) {
        IPersistStreamInit* persist = nullptr;
        button->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
        persist->InitNew();
        persist->Release();
        SIZEL size = {MulDiv(widthPixels, 2540, 96), MulDiv(30, 2540, 96)};
        static_cast<IOleObject*>(button)->SetExtent(DVASPECT_CONTENT, &size);
        BSTR empty = SysAllocString(L"");
        button->put_Caption(empty);
        SysFreeString(empty);
        IPictureDisp* icon = RedSquare(16);
        button->putref_Icon(icon);
        icon->Release();
    }
    ~IconButton() { button->Release(); }
    HDC dc() {
        LONG handle = 0;
        button->get_hdc(&handle);
        return reinterpret_cast<HDC>(static_cast<LONG_PTR>(handle));
    }
    // The first pixel of the colour, row by row, or (-1, -1).
    POINT First(COLORREF colour) {
        HDC surface = dc();
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x)
                if (GetPixel(surface, x, y) == colour) return {x, y};
        return {-1, -1};
    }
    // The top-left corner of the icon (one pixel out from its red inside), or (-1, -1).
    POINT IconAt() {
        const POINT red = First(kRed);
        return red.x < 0 ? red : POINT{red.x - 1, red.y - 1};
    }
};

TEST(ButtonPaintTest, IconPositionByAlignment) {
    struct Case {
        int width;
        kxBtnAlignment align;
        POINT at;
    };
    const Case cases[] = {
        {91, kxBtnCenter, {38, 7}},  // 37.5 rounds to the even 38
        {89, kxBtnCenter, {36, 7}},  // 36.5 rounds to the even 36
        {91, kxBtnLeft, {5, 7}},
        {91, kxBtnRight, {70, 7}},
        {91, kxBtnTop, {38, 5}},
        {91, kxBtnBottom, {38, 9}},
        {91, static_cast<kxBtnAlignment>(7), {0, 0}},
    };
    for (const Case& c : cases) {
        IconButton b(c.width);
        b.button->put_IconAlign(c.align);
        const POINT at = b.IconAt();
        EXPECT_EQ(at.x, c.at.x) << c.width << " align " << c.align;
        EXPECT_EQ(at.y, c.at.y) << c.width << " align " << c.align;
    }
}

TEST(ButtonPaintTest, APressedButtonShiftsTheIconAndADisabledOneDrawsItGrey) {
    IconButton b(91);
    b.button->put_IconAlign(kxBtnCenter);
    SendMessageW(kxtest::WindowOf(static_cast<IOleObject*>(b.button)), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(b.button->ButtonState(), kx::KxButton::kPressed);
    POINT at = b.IconAt();
    EXPECT_EQ(at.x, 39);
    EXPECT_EQ(at.y, 8);
    SendMessageW(kxtest::WindowOf(static_cast<IOleObject*>(b.button)), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));

    VARIANT_BOOL no = VARIANT_FALSE;
    b.button->put_Enabled(&no);
    at = b.IconAt();
    EXPECT_EQ(at.x, -1);  // no red left: the grey form
    const COLORREF grey = GetPixel(b.dc(), 40, 10);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
}

// A bitmap icon leaves out the colour of its top-left pixel, drawn in colour or in grey.
TEST(ButtonPaintTest, ABitmapIconLeavesOutTheColourOfItsTopLeftPixel) {
    IconButton b(91);
    b.button->put_Style(kxBtnNormal);
    b.button->put_IconAlign(kxBtnCenter);
    EXPECT_EQ(b.First(kMagenta).x, -1);
    const POINT at = b.IconAt();
    EXPECT_EQ(at.x, 38);
    EXPECT_EQ(at.y, 7);

    VARIANT_BOOL no = VARIANT_FALSE;
    b.button->put_Enabled(&no);
    const COLORREF face = GetPixel(b.dc(), 30, 15);
    EXPECT_EQ(GetPixel(b.dc(), 38, 7), face);  // the grey of the frame is left out as well
    EXPECT_NE(GetPixel(b.dc(), 45, 15), face);
}

TEST(ButtonPaintTest, AHotOfficeXPIconStandsTwoPixelsUpAndLeftOfItsGreySilhouette) {
    constexpr COLORREF kGrey = RGB(128, 128, 128);
    IconButton b(91);
    b.button->put_IconAlign(kxBtnCenter);
    b.button->put_Style(kxBtnOfficeXP);
    ASSERT_EQ(b.button->ButtonState(), kx::KxButton::kHot);  // no hover tracking: a new button stays hot
    POINT at = b.IconAt();
    EXPECT_EQ(at.x, 36);
    EXPECT_EQ(at.y, 5);
    EXPECT_EQ(GetPixel(b.dc(), 52, 21), kGrey);  // the silhouette's red at (38, 7), out from under the icon
    EXPECT_NE(GetPixel(b.dc(), 53, 22), kGrey);  // its magenta frame is left out

    b.button->put_Style(kxBtnNormal);  // no silhouette in other looks
    at = b.IconAt();
    EXPECT_EQ(at.x, 38);
    EXPECT_NE(GetPixel(b.dc(), 52, 21), kGrey);

    b.button->put_Style(kxBtnOfficeXP);
    for (short size : {short(32767), short(-16), short(0)}) {
        const DWORD start = GetTickCount();
        EXPECT_EQ(b.button->put_IconSize(size), S_OK) << size;
        EXPECT_LT(GetTickCount() - start, 5000u) << size;
    }
}

}  // namespace

namespace {

// The leftmost column that holds a caption pixel (not the face colour) inside the frame.
int LeftmostText(HDC dc, COLORREF face) {
    for (int x = 3; x < 88; ++x)
        for (int y = 6; y < 24; ++y)
            if (GetPixel(dc, x, y) != face && GetPixel(dc, x, y) != kRed) return x;
    return -1;
}

// The caption makes room for the icon only when both are aligned to the same side.
TEST(ButtonPaintTest, ALeftCaptionKeepsThreePixelsAwayFromALeftIcon) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    IconButton b(91);
    b.button->put_Style(kxBtnNormal);  // a plain face, so that only the caption differs from it
    BSTR caption = SysAllocString(L"I");
    b.button->put_Caption(caption);
    SysFreeString(caption);
    b.button->put_CaptionAlign(kxBtnLeft);
    b.button->put_IconAlign(kxBtnRight);
    const int withoutRoom = LeftmostText(b.dc(), face);
    EXPECT_GE(withoutRoom, 5);
    EXPECT_LT(withoutRoom, 5 + 4);
    b.button->put_IconAlign(kxBtnLeft);
    const int withRoom = LeftmostText(b.dc(), face);
    EXPECT_EQ(withRoom - withoutRoom, 16 + 3);  // from M to IS + M + 3
}

}  // namespace
