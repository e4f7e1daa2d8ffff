#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "KxButton.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);

IPictureDisp* RedSquare(int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
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
    // The top-left corner of the red square, or (-1, -1).
    POINT IconAt() {
        HDC surface = dc();
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x)
                if (GetPixel(surface, x, y) == kRed) return {x, y};
        return {-1, -1};
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
