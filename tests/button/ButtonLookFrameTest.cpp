#include <windows.h>
#include <uxtheme.h>

#include <filesystem>

#include "ButtonLookTestSupport.h"
#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "DrawingModule.h"
#include "KxButton.h"
#include "PictureSaving.h"

// The looks inside the button's paint frame, their robustness, and a gallery picture for people to look at.
namespace {

using namespace looktest;

constexpr long kStyles = 13;
constexpr int kGalleryWidth = 120, kGalleryHeight = 34;

// A new button of w x h pixels, without a container.
struct Button {
    kx::KxButton* button = new kx::KxButton();
    Button(int w, int h) {
        IPersistStreamInit* persist = nullptr;
        button->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
        persist->InitNew();
        persist->Release();
        SIZEL size = {MulDiv(w, 2540, 96), MulDiv(h, 2540, 96)};
        static_cast<IOleObject*>(button)->SetExtent(DVASPECT_CONTENT, &size);
    }
    ~Button() { button->Release(); }
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    HDC dc() const {
        LONG handle = 0;
        button->get_hdc(&handle);
        return reinterpret_cast<HDC>(static_cast<LONG_PTR>(handle));
    }
    void Caption(const wchar_t* text) const {
        BSTR caption = SysAllocString(text);
        button->put_Caption(caption);
        SysFreeString(caption);
    }
    void Enabled(bool enabled) const {
        VARIANT_BOOL value = enabled ? VARIANT_TRUE : VARIANT_FALSE;
        button->put_Enabled(&value);
    }
    // 1 normal, 2 hot (a new button's state), 3 pressed (a checked check box), 4 disabled.
    void State(long state) const {
        if (state == kx::kLookHot) return;
        if (state == kx::kLookPressed) {
            kxBtnButtonType checkBox = kxBtnCheckBox;
            button->put_ButtonType(&checkBox);
            VARIANT_BOOL checked = VARIANT_TRUE;
            button->put_Value(&checked);
        }
        Enabled(state != kx::kLookDisabled);
    }
};

// Faces of every look in every state, focused or not, in system and custom colours.
std::vector<kx::ButtonFace> AllFaces() {
    std::vector<kx::ButtonFace> faces;
    for (long state = 1; state <= 4; ++state)
        for (bool focus : {false, true}) {
            faces.push_back(Face(state, focus));
            faces.push_back(CustomFace(state, 0x336699, 0x8000000D, focus));  // HighlightColor a system colour
            faces.push_back(CustomFace(state, -1, -1, focus));                // colours that did not translate
        }
    return faces;
}

TEST(ButtonLookFrame, TinyHugeAndOddColouredFacesDrawWithoutFailureOrLeaks) {
    // 40 x 8 and 40 x 14 give ramps of no steps in WindowsXP and Keramik.
    const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {5, 5}, {40, 8}, {40, 14}, {20, 20}, {35, 23}};
    const std::vector<kx::ButtonFace> faces = AllFaces();
    const auto paintAll = [&] {
        for (const auto& [w, h] : sizes)
            for (long style = 0; style < kStyles; ++style)
                for (const kx::ButtonFace& face : faces) looktest::Painted(kx::LookOfStyle(style).paint, face, w, h);
    };
    paintAll();  // first use loads the theme library and builds the corner art
    const DWORD before = kxtest::GdiObjectCount();
    paintAll();
    EXPECT_EQ(before, kxtest::GdiObjectCount());
    for (long style = 0; style < kStyles; ++style) {
        const auto huge = looktest::Painted(kx::LookOfStyle(style).paint, Face(kx::kLookHot, true), 3000, 900);
        EXPECT_NE(looktest::kUntouched, huge->At(1500, 450)) << "style " << style;
    }
}

TEST(ButtonLookFrame, StyleTableGivesEachLookItsMargin) {
    const long margins[kStyles] = {5, 5, 5, 7, 5, 5, 7, 5, 7, 10, 10, 5, 5};
    for (long style = 0; style < kStyles; ++style) {
        EXPECT_EQ(margins[style], kx::LookOfStyle(style).margin) << style;
        EXPECT_NE(nullptr, kx::LookOfStyle(style).paint) << style;
    }
    for (long style : {-1L, 13L, 1000L}) {
        EXPECT_EQ(nullptr, kx::LookOfStyle(style).paint);
        EXPECT_EQ(5, kx::LookOfStyle(style).margin);
    }
}

// The button draws the look of its Style under the caption.
TEST(ButtonLookFrame, ButtonPaintsTheLookOfItsStyle) {
    Button b(90, 30);
    b.Caption(L"");
    b.button->put_Style(kxBtnMacOSX);
    EXPECT_EQ(0xE2A66Au, GetPixel(b.dc(), 45, 15)) << "a new button is hot";
    b.Enabled(true);
    EXPECT_EQ(0xEAE7E8u, GetPixel(b.dc(), 45, 15));
    b.button->put_Style(kxBtnVista);
    EXPECT_EQ(static_cast<COLORREF>(kx::OffsetColor(GetSysColor(COLOR_BTNFACE), -64)), GetPixel(b.dc(), 45, 0));
    b.button->put_Style(kxBtnWindowsXP);
    EXPECT_EQ(0x743C00u, GetPixel(b.dc(), 45, 0));
    b.button->put_Style(static_cast<kxBtnStyle>(13));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(b.dc(), 45, 0))
        << "no face: the surface keeps the colour the last look gave it";
}

// Without a theme that can draw, WindowsTheme becomes Normal for good; with one it stays.
TEST(ButtonLookFrame, WindowsThemeFallsBackToNormalWhenNoThemeDraws) {
    bool themed = false;
    looktest::Painted(kx::PaintWindowsThemeLook, Face(kx::kLookNormal), 60, 24, &themed);
    Button b(90, 30);
    b.button->put_Style(kxBtnWindowsTheme);
    kxBtnStyle style = kxBtnWindowsTheme;
    b.button->get_Style(&style);
    EXPECT_EQ(themed ? kxBtnWindowsTheme : kxBtnNormal, style);
}

// A button on a window whose visual styles are switched off: the repaint that finds no theme draws the face
// colour alone, and from then on the button is Normal.
TEST(ButtonLookFrame, WindowsThemeWithoutAThemeFallsBackToNormalForGood) {
    kxtest::HostWindow window(200, 80);
    kx::ControlHost host(window.hwnd());
    auto* button = new kx::KxButton();
    const RECT bounds = {10, 10, 110, 40};
    kx::ControlSite* site = host.PlaceObject(static_cast<IOleObject*>(button), L"cmdThemed", bounds, nullptr, {});
    ASSERT_NE(nullptr, site);
    const HWND hwnd = kxtest::WindowOf(static_cast<IOleObject*>(button));
    ASSERT_NE(nullptr, hwnd);
    BSTR empty = SysAllocString(L"");
    button->put_Caption(empty);
    SysFreeString(empty);
    LONG dc = 0;
    button->get_hdc(&dc);
    const HDC surface = reinterpret_cast<HDC>(static_cast<LONG_PTR>(dc));

    button->put_Style(kxBtnWindowsTheme);
    ASSERT_EQ(S_OK, SetWindowTheme(hwnd, L" ", L" "));
    button->Refresh();
    kxBtnStyle style = kxBtnWindowsTheme;
    button->get_Style(&style);
    EXPECT_EQ(kxBtnNormal, style);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(surface, 0, 0)) << "no face on the repaint that fell back";
    button->Refresh();
    EXPECT_NE(GetSysColor(COLOR_BTNFACE), GetPixel(surface, 0, 0)) << "the Normal look's raised edge";
    host.Remove(site);
    button->Release();
}

// System colours in every colour property, custom colours on.
TEST(ButtonLookFrame, RepaintsLeakNoGdiObjects) {
    Button b(100, 32);
    b.Caption(L"محاسبه");
    VARIANT_BOOL custom = VARIANT_TRUE;
    b.button->put_UseCustomColors(&custom);
    OLE_COLOR system[] = {0x80000005, 0x8000000D, 0x80000012, 0x80000011};
    b.button->put_BackColor(&system[0]);
    b.button->put_HighlightColor(&system[1]);
    b.button->put_FontColor(&system[2]);
    b.button->put_FontHighlightColor(&system[3]);
    for (long style = 0; style < kStyles; ++style) b.button->put_Style(static_cast<kxBtnStyle>(style));
    const DWORD before = kxtest::GdiObjectCount();
    for (int round = 0; round < 3; ++round)
        for (long style = 0; style < kStyles; ++style) {
            b.button->put_Style(static_cast<kxBtnStyle>(style));
            b.button->Refresh();
        }
    EXPECT_EQ(before, kxtest::GdiObjectCount());
}

std::wstring TestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().wstring();
}

// Every look in every state, in rows by Style, written as button-looks.png beside the test program.
TEST(ButtonLookFrame, GalleryOfAllLooksAndStates) {
    const int gap = 6, columns = 4;
    const int width = gap + columns * (kGalleryWidth + gap), height = gap + kStyles * (kGalleryHeight + gap);
    IPicture* gallery = kx::CreateDIBPicture(width, height, 24);
    ASSERT_NE(nullptr, gallery);
    OLE_HANDLE handle = 0;
    gallery->get_Handle(&handle);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(handle)));
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    for (long style = 0; style < kStyles; ++style)
        for (long state = 1; state <= 4; ++state) {
            Button b(kGalleryWidth, kGalleryHeight);
            b.button->put_Style(static_cast<kxBtnStyle>(style));
            b.Caption(L"محاسبه");
            b.State(state);
            BitBlt(dc, gap + (state - 1) * (kGalleryWidth + gap), gap + style * (kGalleryHeight + gap), kGalleryWidth,
                   kGalleryHeight, b.dc(), 0, 0, SRCCOPY);
        }
    SelectObject(dc, previous);
    DeleteDC(dc);
    const std::wstring path = TestFolder() + L"\\button-looks.png";
    EXPECT_NO_THROW(kx::SavePictureFile(path, 100, gallery, L"image/png", 24)) << "written for people to look at";
    gallery->Release();
}

}  // namespace
