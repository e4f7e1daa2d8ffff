// kxGraph in process: colour arithmetic, the published drawing routines, pictures, files and the colour
// dialog with its stored custom colours.
#include <gtest/gtest.h>

#include <olectl.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "CustomColorSet.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "GdiTestSupport.h"
#include "Handles.h"
#include "KxGraph.h"
#include "PictureObjects.h"
#include "PictureSaving.h"
#include "TestSupport.h"
#include "TypeLibrary.h"

namespace {

using kxtest::Canvas;
using kxtest::Dib;
using kxtest::GdiObjectCount;
using kx::LongFromHandle;

constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr const wchar_t* kColorsKey = L"Velmora Group\\Korvix32\\Window";

struct ReleaseGraph {
    void operator()(kx::KxGraph* graph) const { graph->Release(); }
};
using GraphRef = std::unique_ptr<kx::KxGraph, ReleaseGraph>;
GraphRef NewGraph() { return GraphRef(new kx::KxGraph()); }

struct ReleaseDisp {
    void operator()(IPictureDisp* picture) const { picture->Release(); }
};
using PictureDispRef = std::unique_ptr<IPictureDisp, ReleaseDisp>;

// A picture object of the given pixels (row by row from the top), as a caller hands it in.
PictureDispRef PictureFromPixels(int width, int height, const std::vector<COLORREF>& pixels, int bits = 24) {
    Dib dib(width, height, bits, pixels);
    return PictureDispRef(kx::DispatchOf(kx::PictureFromBitmap(dib.Release(), nullptr)));
}

std::vector<COLORREF> Pattern(int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(RGB(20 * x, 30 * y, 100 + x + y));
    return pixels;
}

HANDLE HandleOf(IPictureDisp* picture) { return kx::PictureHandle(kx::PictureOf(picture).get()); }

// The pixels of a picture's bitmap, row by row from the top.
std::vector<COLORREF> PixelsOf(IPictureDisp* picture) {
    const HANDLE bitmap = HandleOf(picture);
    const SIZE size = kx::BitmapSize(bitmap);
    std::vector<DWORD> bits(size.cx * size.cy);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB};
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, static_cast<HBITMAP>(bitmap), 0, size.cy, bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    for (const DWORD bgr : bits) pixels.push_back(RGB((bgr >> 16) & 255, (bgr >> 8) & 255, bgr & 255));
    return pixels;
}

std::vector<COLORREF> CanvasPixels(const Canvas& canvas, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(canvas.At(x, y));
    return pixels;
}

int ErrorOf(HRESULT hr) { return SUCCEEDED(hr) ? 0 : kx::ErrorNumberOf(hr); }

// ---- The type library -----------------------------------------------------------------------------------------

// Callers bind by slot and by dispatch identity; late-bound ones get the defaults from here.
TEST(KxGraphTypeLibrary, MembersInSlotOrderWithTheirIdentitiesAndDefaults) {
    const wchar_t* const members[] = {L"CaptureWindow", L"DrawGradeint",  L"DrawFullPicture", L"GetColorDialog",
                                      L"ShowTransPict", L"SavePhotoFile", L"ResizePicture",   L"DrawGrayScale",
                                      L"GrayImage",     L"ColorOffset",   L"ColorBase",       L"GetRgb",
                                      L"TranslateColor", L"ComparePicture"};
    ITypeInfo* info = kx::InterfaceTypeInfo(IID__kxGraph);
    ASSERT_NE(nullptr, info);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
    ASSERT_EQ(std::size(members), attr->cFuncs);
    info->ReleaseTypeAttr(attr);
    std::vector<std::wstring> defaults;
    for (UINT slot = 0; slot < std::size(members); ++slot) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(slot, &desc));
        BSTR name = nullptr;
        info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_EQ(std::wstring(members[slot]), std::wstring(name ? name : L"")) << slot;
        EXPECT_EQ(static_cast<MEMBERID>(0x60030000 + slot), desc->memid) << slot;
        EXPECT_EQ(static_cast<SHORT>((7 + slot) * sizeof(void*)), desc->oVft) << slot;
        std::wstring line = std::wstring(name ? name : L"") + L":";
        for (SHORT i = 0; i < desc->cParams; ++i) {
            const PARAMDESC& param = desc->lprgelemdescParam[i].paramdesc;
            if (!(param.wParamFlags & PARAMFLAG_FHASDEFAULT)) continue;
            VARIANT text;
            VariantInit(&text);
            VariantChangeType(&text, &param.pparamdescex->varDefaultValue, VARIANT_ALPHABOOL, VT_BSTR);
            line += L" " + std::wstring(text.bstrVal ? text.bstrVal : L"?");
            VariantClear(&text);
        }
        defaults.push_back(line);
        SysFreeString(name);
        info->ReleaseFuncDesc(desc);
    }
    const std::vector<std::wstring> expected = {
        L"CaptureWindow:", L"DrawGradeint: 255 255 True", L"DrawFullPicture: -1 255", L"GetColorDialog: -1 True",
        L"ShowTransPict:", L"SavePhotoFile: 0 32", L"ResizePicture:", L"DrawGrayScale: -1 -1", L"GrayImage:",
        L"ColorOffset:", L"ColorBase: 176", L"GetRgb: -1 -1 -1", L"TranslateColor:", L"ComparePicture:"};
    EXPECT_EQ(expected, defaults);
}

// ---- Colours --------------------------------------------------------------------------------------------------

TEST(KxGraphColors, ColorOffsetGivesTheModulesResult) {
    const GraphRef graph = NewGraph();
    const struct {
        OLE_COLOR color;
        long offset;
    } cases[] = {{0x8000000F, -20}, {0x00102030, 10}, {0x00FFFFFF, 5}, {0x00000000, -5}, {0x00808080, 300}};
    for (const auto& c : cases) {
        OLE_COLOR color = c.color;
        long offset = c.offset;
        OLE_COLOR result = 0;
        ASSERT_EQ(S_OK, graph->ColorOffset(&color, &offset, &result));
        EXPECT_EQ(static_cast<OLE_COLOR>(kx::ColorOffset(static_cast<long>(c.color), c.offset)), result)
            << std::hex << c.color;
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    OLE_COLOR color = 0x8000000F;
    long offset = -20;
    OLE_COLOR darker = 0;
    graph->ColorOffset(&color, &offset, &darker);
    const auto down = [](int channel) { return static_cast<BYTE>(std::max(0, channel - 20)); };
    EXPECT_EQ(RGB(down(GetRValue(face)), down(GetGValue(face)), down(GetBValue(face))), darker);
}

TEST(KxGraphColors, ColorBaseMovesTowardWhiteAfterTranslating) {
    const GraphRef graph = NewGraph();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto pastel = [](int channel) { return static_cast<BYTE>(channel * 79 / 255 + 176); };
    const struct {
        OLE_COLOR color;
        long base;
        OLE_COLOR expected;
    } cases[] = {
        {0x00FFFFFF, 176, 0x00FFFFFF},
        {0x00000000, 176, 0x00B0B0B0},
        {0x00000000, 0, 0x00000000},
        {0x00FF0000, 255, 0x00FFFFFF},
        {0x000000FF, 300, 0x00FFFFFF},                                      // clamped
        {0x00FFFFFF, -100, 0x00FFFFFF},                                     // 255 * 355 \ 255 - 100
        {0x8000000F, 176, RGB(pastel(GetRValue(face)), pastel(GetGValue(face)), pastel(GetBValue(face)))},
        {0x800000FF, 176, 0x00B0B0FF},  // no such system colour: -1 is red 255, green and blue 0
    };
    for (const auto& c : cases) {
        OLE_COLOR result = 1;
        ASSERT_EQ(S_OK, graph->ColorBase(c.color, c.base, &result));
        EXPECT_EQ(c.expected, result) << std::hex << c.color << " base " << std::dec << c.base;
    }
    OLE_COLOR result = 0;
    EXPECT_EQ(kx::kErrOverflow, ErrorOf(graph->ColorBase(0x00FFFFFF, -2147483647 - 1, &result)));
}

TEST(KxGraphColors, GetRgbSplitsWithoutTranslating) {
    const GraphRef graph = NewGraph();
    const struct {
        OLE_COLOR color;
        short red, green, blue;
    } cases[] = {{0x00123456, 0x56, 0x34, 0x12}, {0x8000000F, 15, 0, 0}, {0xFFFFFFFF, 255, 255, 255}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        short red = -1, green = -1, blue = -1;
        ASSERT_EQ(S_OK, graph->GetRgb(c.color, &red, &green, &blue));
        EXPECT_EQ(c.red, red) << std::hex << c.color;
        EXPECT_EQ(c.green, green) << std::hex << c.color;
        EXPECT_EQ(c.blue, blue) << std::hex << c.color;
    }
    EXPECT_EQ(S_OK, graph->GetRgb(0x00123456, nullptr, nullptr, nullptr));
}

TEST(KxGraphColors, TranslateColorGivesMinusOneOnFailure) {
    const GraphRef graph = NewGraph();
    const struct {
        OLE_COLOR color;
        OLE_COLOR expected;
    } cases[] = {{0x00123456, 0x00123456}, {0x8000000F, GetSysColor(COLOR_BTNFACE)}, {0x800000FF, 0xFFFFFFFF}};
    for (const auto& c : cases) {
        OLE_COLOR result = 0;
        ASSERT_EQ(S_OK, graph->TranslateColor(c.color, &result));
        EXPECT_EQ(c.expected, result) << std::hex << c.color;
    }
}

// ---- The published drawing routines ---------------------------------------------------------------------------

class KxGraphDrawing : public ::testing::Test {
protected:
    // The first screen device context, picture object, gray copy and GDI+ session of a process keep objects of
    // their own for good.
    static void SetUpTestSuite() {
        const kxtest::ScratchFolder folder;
        const PictureDispRef picture = PictureFromPixels(2, 2, Pattern(2, 2));
        PixelsOf(picture.get());
        const kx::PictureRef gray(kx::GrayImage(kx::PictureOf(picture.get()).get()));
        kx::SavePictureFile(folder.File(L"warm-up.gif"), 90, kx::PictureOf(picture.get()).get(), L"image/gif", 32);
    }
    void SetUp() override { gdiObjects_ = GdiObjectCount(); }
    void TearDown() override { EXPECT_EQ(gdiObjects_, GdiObjectCount()); }

    GraphRef graph_ = NewGraph();

private:
    DWORD gdiObjects_ = 0;
};

TEST_F(KxGraphDrawing, DrawGradeintDrawsTheModulesGradientWithItsDefaults) {
    Canvas byObject(20, 10, 32, kBackground), byModule(20, 10, 32, kBackground);
    long dc = LongFromHandle(byObject.dc()), x1 = 2, y1 = 1, x2 = 18, y2 = 9, first = 0x8000000F, second = 0x00FF8000;
    ASSERT_EQ(S_OK, graph_->DrawGradeint(&dc, &x1, &y1, &x2, &y2, &first, &second, nullptr, nullptr, nullptr));
    kx::DrawGradient(byModule.dc(), 2, 1, 18, 9, 0x8000000F, 0x00FF8000, 255, 255, true);
    EXPECT_EQ(CanvasPixels(byModule, 20, 10), CanvasPixels(byObject, 20, 10));
    EXPECT_EQ(0x8000000F, first) << "the caller's colour stays untranslated";

    long alpha = 128;
    VARIANT_BOOL vertical = VARIANT_FALSE;
    ASSERT_EQ(S_OK, graph_->DrawGradeint(&dc, &x1, &y1, &x2, &y2, &first, &second, &alpha, &alpha, &vertical));
    kx::DrawGradient(byModule.dc(), 2, 1, 18, 9, 0x8000000F, 0x00FF8000, 128, 128, false);
    EXPECT_EQ(CanvasPixels(byModule, 20, 10), CanvasPixels(byObject, 20, 10));
}

TEST_F(KxGraphDrawing, DrawFullPictureWritesTheMaskAndAlphaBack) {
    std::vector<COLORREF> pixels = Pattern(4, 3);
    pixels[0] = RGB(255, 0, 255);
    const Dib picture(4, 3, 24, pixels);
    Canvas byObject(10, 8, 32, kBackground), byModule(10, 8, 32, kBackground);
    long dc = LongFromHandle(byObject.dc()), mask = kx::kMaskFromCorner, alpha = 400;
    ASSERT_EQ(S_OK, graph_->DrawFullPicture(&dc, LongFromHandle(picture.bitmap()), 1, 1, 9, 7, &mask, &alpha));
    long moduleMask = kx::kMaskFromCorner, moduleAlpha = 400;
    kx::DrawFullPicture(byModule.dc(), picture.bitmap(), 1, 1, 9, 7, moduleMask, moduleAlpha);
    EXPECT_EQ(static_cast<long>(RGB(255, 0, 255)), mask);
    EXPECT_EQ(255, alpha);
    EXPECT_EQ(CanvasPixels(byModule, 10, 8), CanvasPixels(byObject, 10, 8));

    Canvas plain(10, 8, 32, kBackground);
    dc = LongFromHandle(plain.dc());
    ASSERT_EQ(S_OK, graph_->DrawFullPicture(&dc, LongFromHandle(picture.bitmap()), 0, 0, 0, 0, nullptr, nullptr));
    EXPECT_EQ(pixels[5], plain.At(1, 1));
}

TEST_F(KxGraphDrawing, DrawGrayScaleAndGrayImageAreTheModules) {
    const std::vector<COLORREF> pixels = Pattern(5, 4);
    const PictureDispRef picture = PictureFromPixels(5, 4, pixels);
    Canvas byObject(8, 8, 32, kBackground), byModule(8, 8, 32, kBackground);
    VARIANT_BOOL drawn = VARIANT_FALSE;
    ASSERT_EQ(S_OK, graph_->DrawGrayScale(LongFromHandle(byObject.dc()), LongFromHandle(HandleOf(picture.get())), 1,
                                          2, -1, -1, &drawn));
    EXPECT_EQ(VARIANT_TRUE, drawn);
    EXPECT_TRUE(kx::DrawGrayScale(byModule.dc(), HandleOf(picture.get()), 1, 2, -1, -1));
    EXPECT_EQ(CanvasPixels(byModule, 8, 8), CanvasPixels(byObject, 8, 8));

    IPictureDisp* source = picture.get();
    IPictureDisp* gray = nullptr;
    ASSERT_EQ(S_OK, graph_->GrayImage(&source, &gray));
    ASSERT_NE(nullptr, gray);
    const PictureDispRef grayRef(gray);
    const PictureDispRef expected(kx::DispatchOf(kx::PictureRef(kx::GrayImage(kx::PictureOf(picture.get()).get()))));
    EXPECT_EQ(PixelsOf(expected.get()), PixelsOf(gray));
}

TEST_F(KxGraphDrawing, ShowTransPictBlendsByOpacityAndStretches) {
    Canvas source(2, 2, 32, RGB(200, 100, 0));
    for (const int opacity : {255, 0, 128}) {
        Canvas target(6, 4, 32, RGB(0, 100, 200));
        unsigned char transparent = static_cast<unsigned char>(opacity);
        ASSERT_EQ(S_OK, graph_->ShowTransPict(&transparent, LongFromHandle(source.dc()), 0, 0, 2, 2,
                                              LongFromHandle(target.dc()), 1, 1, 4, 2));
        const COLORREF inside = target.At(4, 2);
        const COLORREF expected = opacity == 255 ? RGB(200, 100, 0) : opacity == 0 ? RGB(0, 100, 200)
                                                                                  : RGB(100, 100, 100);
        EXPECT_NEAR(GetRValue(expected), GetRValue(inside), 2) << opacity;
        EXPECT_NEAR(GetBValue(expected), GetBValue(inside), 2) << opacity;
        EXPECT_EQ(RGB(0, 100, 200), target.At(0, 0)) << opacity;
        EXPECT_EQ(RGB(0, 100, 200), target.At(5, 3)) << opacity;
    }
}

// ---- Pictures -------------------------------------------------------------------------------------------------

TEST_F(KxGraphDrawing, CaptureWindowCopiesTheRectangle) {
    const std::vector<COLORREF> pixels = Pattern(8, 6);
    Canvas source(8, 6, 32, kBackground);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) SetPixel(source.dc(), x, y, pixels[y * 8 + x]);
    IPictureDisp* captured = nullptr;
    ASSERT_EQ(S_OK, graph_->CaptureWindow(0, LongFromHandle(source.dc()), 2, 1, 5, 4, &captured));
    ASSERT_NE(nullptr, captured);
    const PictureDispRef capturedRef(captured);
    const std::vector<COLORREF> got = PixelsOf(captured);
    ASSERT_EQ(20u, got.size());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(pixels[(y + 1) * 8 + x + 2], got[y * 5 + x]) << x << "," << y;

    IPictureDisp* empty = nullptr;  // a rectangle of no pixels still gives a picture, and leaks nothing
    ASSERT_EQ(S_OK, graph_->CaptureWindow(0, LongFromHandle(source.dc()), 0, 0, 0, 0, &empty));
    if (empty) empty->Release();
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(KxGraphCapture, CaptureWindowReleasesTheDeviceContextItIsGiven) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KxGraphCaptureTest";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(L"KxGraphCaptureTest", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    const GraphRef graph = NewGraph();
    const HDC dc = GetDC(window);
    IPictureDisp* captured = nullptr;
    ASSERT_EQ(S_OK, graph->CaptureWindow(LongFromHandle(window), LongFromHandle(dc), 0, 0, 10, 10, &captured));
    const PictureDispRef capturedRef(captured);
    EXPECT_EQ(0, ReleaseDC(window, dc)) << "already released";
    EXPECT_EQ(10, kx::BitmapSize(HandleOf(captured)).cx);
    EXPECT_EQ(10, kx::BitmapSize(HandleOf(captured)).cy);
    DestroyWindow(window);
}

TEST_F(KxGraphDrawing, ResizePictureStretchesIntoATwentyFourBitPicture) {
    const PictureDispRef picture = PictureFromPixels(3, 2, std::vector<COLORREF>(6, RGB(40, 80, 120)), 32);
    IPictureDisp* source = picture.get();
    long width = 7, height = 5;
    IPictureDisp* resized = nullptr;
    ASSERT_EQ(S_OK, graph_->ResizePicture(&source, &width, &height, &resized));
    ASSERT_NE(nullptr, resized);
    const PictureDispRef resizedRef(resized);
    BITMAP info = {};
    GetObjectW(HandleOf(resized), sizeof info, &info);
    EXPECT_EQ(7, info.bmWidth);
    EXPECT_EQ(5, info.bmHeight);
    EXPECT_EQ(24, info.bmBitsPixel);
    for (const COLORREF pixel : PixelsOf(resized)) EXPECT_EQ(RGB(40, 80, 120), pixel);

    long none = 0;
    IPictureDisp* empty = reinterpret_cast<IPictureDisp*>(1);
    ASSERT_EQ(S_OK, graph_->ResizePicture(&source, &none, &height, &empty));
    EXPECT_EQ(nullptr, empty) << "no picture of no pixels";
    IPictureDisp* nothing = nullptr;
    EXPECT_EQ(91, ErrorOf(graph_->ResizePicture(&nothing, &width, &height, &resized)));
}

TEST_F(KxGraphDrawing, ComparePictureLooksAtTheFirstPicturesSizeOnly) {
    const std::vector<COLORREF> pixels = Pattern(6, 4);
    std::vector<COLORREF> oneOff = pixels;
    oneOff[2 * 6 + 3] = RGB(1, 2, 3);
    std::vector<COLORREF> wider;  // the same 6 x 4 pixels at its bottom-left, seen bottom-up
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) wider.push_back(pixels[y * 6 + x]);
        wider.push_back(RGB(9, 9, 9));
    }
    const PictureDispRef first = PictureFromPixels(6, 4, pixels), same = PictureFromPixels(6, 4, pixels),
                         differs = PictureFromPixels(6, 4, oneOff), larger = PictureFromPixels(7, 4, wider);
    const HDC screen = GetDC(nullptr);
    long dc = LongFromHandle(screen);
    const struct {
        IPictureDisp* a;
        IPictureDisp* b;
        VARIANT_BOOL expected;
        const char* name;
    } cases[] = {{first.get(), first.get(), VARIANT_TRUE, "itself"},
                 {first.get(), same.get(), VARIANT_TRUE, "an equal copy"},
                 {first.get(), differs.get(), VARIANT_FALSE, "one pixel differs"},
                 {first.get(), larger.get(), VARIANT_TRUE, "differs only outside the first's size"},
                 {larger.get(), first.get(), VARIANT_FALSE, "the second is smaller"}};
    for (const auto& c : cases) {
        IPictureDisp* a = c.a;
        IPictureDisp* b = c.b;
        VARIANT_BOOL result = 1;
        ASSERT_EQ(S_OK, graph_->ComparePicture(&dc, &a, &dc, &b, &result)) << c.name;
        EXPECT_EQ(c.expected, result) << c.name;
    }
    IPictureDisp* empty = kx::DispatchOf(kx::PictureFromBitmap(nullptr, nullptr));
    const PictureDispRef emptyRef(empty);
    IPictureDisp* a = first.get();
    VARIANT_BOOL result = 0;
    EXPECT_EQ(kx::kErrSubscript, ErrorOf(graph_->ComparePicture(&dc, &empty, &dc, &a, &result)));
    IPictureDisp* nothing = nullptr;
    EXPECT_EQ(91, ErrorOf(graph_->ComparePicture(&dc, &a, &dc, &nothing, &result)));
    ReleaseDC(nullptr, screen);
}

TEST_F(KxGraphDrawing, SavePhotoFileMapsThePhotoTypeToItsFormat) {
    const kxtest::ScratchFolder folder;
    const PictureDispRef picture = PictureFromPixels(16, 8, Pattern(16, 8));
    const struct {
        long photoType;
        const char* signature;
    } cases[] = {{kxJpeg, "\xFF\xD8"}, {kxGif, "GIF8"}, {kxBmp, "BM"}, {kxTif, "II*"}, {7, "\xFF\xD8"}, {-1, "\xFF\xD8"}};
    for (const auto& c : cases) {
        const std::wstring path = folder.File(L"photo" + std::to_wstring(c.photoType));
        BSTR name = SysAllocString(path.c_str());
        long quality = 80;
        IPictureDisp* source = picture.get();
        kxPhotoType type = static_cast<kxPhotoType>(c.photoType);
        short bits = 32;
        EXPECT_EQ(S_OK, graph_->SavePhotoFile(&name, &quality, &source, &type, &bits));
        SysFreeString(name);
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        std::string head(strlen(c.signature), '\0');
        file.read(head.data(), static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(c.signature, head) << c.photoType;
    }
    // The defaults: JPEG at 32 bits.
    const std::wstring path = folder.File(L"defaults");
    BSTR name = SysAllocString(path.c_str());
    long quality = 80;
    IPictureDisp* source = picture.get();
    EXPECT_EQ(S_OK, graph_->SavePhotoFile(&name, &quality, &source, nullptr, nullptr));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
    IPictureDisp* nothing = nullptr;
    EXPECT_EQ(91, ErrorOf(graph_->SavePhotoFile(&name, &quality, &nothing, nullptr, nullptr)));
    SysFreeString(name);
}

// No readable file can be made: the call fails with a number and writes nothing.
TEST_F(KxGraphDrawing, SavePhotoFileFailuresAreNumberedAndWriteNothing) {
    const kxtest::ScratchFolder folder;
    const PictureDispRef picture = PictureFromPixels(16, 8, Pattern(16, 8));
    const struct {
        const wchar_t* file;
        short bits;
        int error;
    } cases[] = {{L"eight.gif", 8, kx::kErrInvalidCall}, {L"no\\such\\folder.gif", 32, kx::kErrPathNotFound}};
    for (const auto& c : cases) {
        const std::wstring path = folder.File(c.file);
        BSTR name = SysAllocString(path.c_str());
        long quality = 80;
        IPictureDisp* source = picture.get();
        kxPhotoType type = kxGif;
        short bits = c.bits;
        EXPECT_EQ(c.error, ErrorOf(graph_->SavePhotoFile(&name, &quality, &source, &type, &bits))) << c.bits;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << c.bits;
        SysFreeString(name);
    }
}

// ---- The custom-colour text -----------------------------------------------------------------------------------

TEST(CustomColorSet, ReadsWhatItCanAndLeavesTheRestZero) {
    const auto bytes = [](std::initializer_list<int> leading) {
        kx::CustomColorBytes result = {};
        int i = 0;
        for (const int value : leading) result[i++] = static_cast<std::uint8_t>(value);
        return result;
    };
    const struct {
        const wchar_t* text;
        kx::CustomColorBytes expected;
    } cases[] = {
        {L"", bytes({})},
        {L"CustomColorSet:", bytes({})},
        {L"CustomColorSet:1,2,3", bytes({1, 2})},  // the last number lacks its ","
        {L"CustomColorSet:255,0,17,", bytes({255, 0, 17})},
        {L"XXXXXXXXXXXXXXX9,8,", bytes({9, 8})},  // the prefix is dropped by its length
        {L"CustomColorSet: 7 ,2.5,3.5,0.5,", bytes({7, 2, 4, 0})},
        {L"CustomColorSet:256,-1,abc,,5,", bytes({0, 0, 0, 0, 5})},
        {L"CustomColorSet:0x10,12a,-0.4,", bytes({0, 0, 0})},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, kx::ParseCustomColorSet(c.text)) << c.text;

    kx::CustomColorBytes all;
    std::wstring text = L"CustomColorSet:";
    for (int i = 0; i < 64; ++i) {
        all[i] = static_cast<std::uint8_t>(i * 4);
        text += std::to_wstring(i * 4) + L",";
    }
    EXPECT_EQ(all, kx::ParseCustomColorSet(text + L"99,98,"));  // more than 64 numbers: the rest is ignored
    EXPECT_EQ(text, kx::FormatCustomColorSet(all));
}

TEST(CustomColorSet, SixteenWhiteColoursAsStored) {
    kx::CustomColorBytes white;
    for (int i = 0; i < 64; ++i) white[i] = i % 4 == 3 ? 0 : 255;
    std::wstring expected = L"CustomColorSet:";
    for (int i = 0; i < 16; ++i) expected += L"255,255,255,0,";
    EXPECT_EQ(expected, kx::FormatCustomColorSet(white));
}

// ---- The colour dialog ----------------------------------------------------------------------------------------

// Presses a button of the next dialog box that a thread shows, from a thread of its own. Gives up when no
// dialog appears in time, and presses again until the dialog is gone, so no test waits forever.
class DialogPresser {
public:
    DialogPresser(DWORD threadId, int button) : thread_([this, threadId, button] { Run(threadId, button); }) {}
    ~DialogPresser() { thread_.join(); }
    DialogPresser(const DialogPresser&) = delete;
    DialogPresser& operator=(const DialogPresser&) = delete;
    bool pressed() const { return pressed_; }

private:
    static HWND FindDialog(DWORD threadId) {
        HWND found = nullptr;
        EnumThreadWindows(
            threadId,
            [](HWND window, LPARAM param) CALLBACK -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (wcscmp(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
                *reinterpret_cast<HWND*>(param) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    void Run(DWORD threadId, int button) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        HWND dialog = nullptr;
        while (!dialog && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            dialog = FindDialog(threadId);
        }
        if (!dialog) return;
        const auto giveUp = Clock::now() + std::chrono::seconds(30);
        for (int round = 0; IsWindow(dialog) && Clock::now() < giveUp; ++round) {
            if (round % 25 == 0)
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pressed_ = !IsWindow(dialog);
    }

    std::atomic<bool> pressed_ = false;
    std::thread thread_;
};

class ColorDialog : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, kColorsKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, kColorsKey); }

    static void Store(const std::wstring& text) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kColorsKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                 nullptr, &key, nullptr));
        RegSetValueExW(key, L"Colors", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    static std::wstring Stored() {
        wchar_t text[1024] = {};
        DWORD size = sizeof text - sizeof(wchar_t), type = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kColorsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return L"<none>";
        const LONG read = RegQueryValueExW(key, L"Colors", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
        RegCloseKey(key);
        return read == ERROR_SUCCESS && type == REG_SZ ? text : L"<not text>";
    }
    static std::wstring StoredFor(std::initializer_list<int> leading) {
        kx::CustomColorBytes bytes = {};
        int i = 0;
        for (const int value : leading) bytes[i++] = static_cast<std::uint8_t>(value);
        return kx::FormatCustomColorSet(bytes);
    }

    // Shows the dialog and presses button in it; the chosen colour.
    static long Show(kx::KxGraph* graph, int button, LONG* defColor = nullptr, VARIANT_BOOL* fullOpen = nullptr) {
        long result = 12345;
        DialogPresser presser(GetCurrentThreadId(), button);
        EXPECT_EQ(S_OK, graph->GetColorDialog(defColor, fullOpen, &result));
        return result;
    }
};

TEST_F(ColorDialog, CancelledWithTheDefaultsGivesMinusOneAndStillStoresTheColours) {
    Store(L"CustomColorSet:1,2,3");
    const GraphRef graph = NewGraph();
    EXPECT_EQ(-1, Show(graph.get(), IDCANCEL));
    EXPECT_EQ(StoredFor({1, 2}), Stored());
}

TEST_F(ColorDialog, ConfirmedGivesTheChosenColourAndCancelledTheDefaultAsPassed) {
    const GraphRef graph = NewGraph();
    LONG color = 0x00123456;
    VARIANT_BOOL fullOpen = VARIANT_FALSE;
    EXPECT_EQ(0x00123456, Show(graph.get(), IDOK, &color, &fullOpen));
    LONG system = static_cast<LONG>(0x8000000F);
    EXPECT_EQ(static_cast<long>(0x8000000F), Show(graph.get(), IDCANCEL, &system));
    EXPECT_EQ(StoredFor({}), Stored()) << "nothing stored before: sixteen black custom colours";
}

TEST_F(ColorDialog, TwoDialogsInARowReadTheSettingOnceAndEachStoresIt) {
    std::wstring text = L"CustomColorSet:";
    for (int i = 0; i < 64; ++i) text += std::to_wstring(i % 4 == 3 ? 0 : 10 + i) + L",";
    Store(text);
    const GraphRef graph = NewGraph();
    Show(graph.get(), IDCANCEL);
    EXPECT_EQ(text, Stored());
    Store(L"CustomColorSet:9,9,9,0,");
    LONG color = 0x00FF0000;
    EXPECT_EQ(0x00FF0000, Show(graph.get(), IDOK, &color));
    EXPECT_EQ(text, Stored()) << "the second dialog kept the instance's colours";

    const GraphRef next = NewGraph();  // a new instance starts from what the last dialog left
    Store(L"CustomColorSet:9,9,9,0,");
    Show(next.get(), IDCANCEL);
    EXPECT_EQ(StoredFor({9, 9, 9, 0}), Stored());
}

}  // namespace
