#include "KxGraph.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "KxRegistry.h"
#include "ModuleState.h"
#include "ObjectCreation.h"
#include "PictureObjects.h"
#include "PictureSaving.h"
#include "Rounding.h"
#include "ScopedGdi.h"
#include "Text.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxGraph";
// The library's own company name and title, outside the settings store's "Software\" prefix.
constexpr const wchar_t* kColorsApp = L"Velmora Group\\Korvix32";
constexpr const wchar_t* kColorsSection = L"Window";
constexpr const wchar_t* kColorsKey = L"Colors";
constexpr double kPixelsPerHimetric = 0.0377952791750431;  // at 96 pixels per inch
constexpr long kDefaultBase = 176;

long ValueOr(const LONG* value, long fallback) { return value ? *value : fallback; }
bool FlagOr(const VARIANT_BOOL* value, bool fallback) { return value ? *value != VARIANT_FALSE : fallback; }
VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
HDC DeviceContext(long value) { return HandleFromLong<HDC>(value); }

IPicture* RequirePicture(const PictureRef& picture) {
    if (!picture) throw Error(91);
    return picture.get();
}

PictureRef PictureArgument(IPictureDisp* const* picture) { return PictureOf(picture ? *picture : nullptr); }

// ---- Capture --------------------------------------------------------------------------------------------------

bool HasFullPalette(HDC dc) {
    return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && GetDeviceCaps(dc, SIZEPALETTE) == 256;
}

HPALETTE SystemPaletteCopy(HDC dc) {
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } palette = {0x300, 256, {}};
    GetSystemPaletteEntries(dc, 0, 256, palette.entries);
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

// Copies the rectangle into a new bitmap, through a copy of the system palette on a 256-colour device.
PictureRef CaptureRectangle(HDC source, long left, long top, long width, long height) {
    ScopedMemoryDC memory(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HPALETTE palette = nullptr;
    {
        ScopedSelection selection(memory, bitmap);
        HPALETTE previousPalette = nullptr;
        if (HasFullPalette(source)) {
            palette = SystemPaletteCopy(source);
            previousPalette = SelectPalette(memory, palette, FALSE);
            RealizePalette(memory);
        }
        BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
        if (previousPalette) SelectPalette(memory, previousPalette, FALSE);
    }
    return PictureFromBitmap(bitmap, palette);
}

// ---- Colours --------------------------------------------------------------------------------------------------

long Checked(long long value) {
    if (!FitsInt32(static_cast<double>(value))) throw Error(kErrOverflow);
    return static_cast<long>(value);
}

// channel * (255 - base) \ 255 + base, clamped to 0..255.
long TowardBase(long channel, long base) {
    const long scaled = Checked(static_cast<long long>(channel) * Checked(255LL - base)) / 255;
    return std::clamp(Checked(static_cast<long long>(scaled) + base), 0L, 255L);
}

// ---- Pictures -------------------------------------------------------------------------------------------------

// A picture's HIMETRIC size in whole pixels at 96 pixels per inch.
SIZE PixelSize(IPicture* picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    const double pixels[] = {RoundHalfEven(width * kPixelsPerHimetric), RoundHalfEven(height * kPixelsPerHimetric)};
    for (const double value : pixels)
        if (!FitsInt32(value)) throw Error(kErrOverflow);
    return {static_cast<LONG>(pixels[0]), static_cast<LONG>(pixels[1])};
}

// The bitmap as width x height 32-bit values (bottom-up), whatever its own size.
std::vector<DWORD> ReadPixels32(HDC dc, HANDLE bitmap, SIZE size) {
    if (static_cast<unsigned long long>(size.cx) * size.cy > SIZE_MAX / sizeof(DWORD)) throw Error(kErrOutOfMemory);
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 32, BI_RGB};
    GetDIBits(dc, static_cast<HBITMAP>(bitmap), 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

const wchar_t* MimeTypeOf(long photoType) {
    switch (photoType) {
        case kxGif: return L"image/gif";
        case kxBmp: return L"image/bmp";
        case kxTif: return L"image/tiff";
        default: return L"image/jpeg";
    }
}

// ---- The custom-colour setting --------------------------------------------------------------------------------

class SettingNames {
public:
    SettingNames() : app_(ToBstr(kColorsApp)), section_(ToBstr(kColorsSection)), key_(ToBstr(kColorsKey)) {}
    ~SettingNames() {
        SysFreeString(app_);
        SysFreeString(section_);
        SysFreeString(key_);
    }
    SettingNames(const SettingNames&) = delete;
    SettingNames& operator=(const SettingNames&) = delete;
    BSTR* app() { return &app_; }
    BSTR* section() { return &section_; }
    BSTR* key() { return &key_; }

private:
    BSTR app_, section_, key_;
};

class TextVariant {
public:
    explicit TextVariant(const std::wstring& text = {}) {
        VariantInit(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = ToBstr(text);
    }
    ~TextVariant() { VariantClear(&value_); }
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    VARIANT* get() { return &value_; }

private:
    VARIANT value_;
};

// The stored text, or empty text when it cannot be read as text.
std::wstring ReadColorSetting(_kxRegistry* settings) {
    SettingNames names;
    TextVariant fallback;
    hKey root = kxHKEY_CURRENT_USER;
    VARIANT_BOOL addDefaultPath = VARIANT_FALSE;
    VARIANT result;
    VariantInit(&result);
    std::wstring text;
    if (SUCCEEDED(settings->KXReadRegistry(names.app(), names.section(), names.key(), fallback.get(), &root,
                                           &addDefaultPath, &result)) &&
        SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR)))
        text = FromBstr(result.bstrVal);
    VariantClear(&result);
    return text;
}

void WriteColorSetting(_kxRegistry* settings, const std::wstring& text) {
    SettingNames names;
    TextVariant setting(text);
    hKey root = kxHKEY_CURRENT_USER;
    VARIANT_BOOL addDefaultPath = VARIANT_FALSE;
    settings->KXSaveRegistry(names.app(), names.section(), names.key(), setting.get(), &root, &addDefaultPath);
}

// Shows the colour dialog over the host's active window; true when the user confirms.
bool ChooseColorWithDialog(COLORREF& color, CustomColorBytes& customColors, bool fullOpen) {
    COLORREF custom[16];
    static_assert(sizeof custom == sizeof(CustomColorBytes));
    std::memcpy(custom, customColors.data(), sizeof custom);
    CHOOSECOLORA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.hInstance = reinterpret_cast<HWND>(ModuleHandle());
    request.rgbResult = color;
    request.lpCustColors = custom;
    request.Flags = CC_RGBINIT | CC_SOLIDCOLOR | CC_ANYCOLOR | (fullOpen ? CC_FULLOPEN : 0);
    const bool confirmed = ChooseColorA(&request) != FALSE;
    if (confirmed) color = request.rgbResult;
    std::memcpy(customColors.data(), custom, sizeof custom);
    return confirmed;
}
}  // namespace

KxGraph::KxGraph() {
    if (FAILED(CreateInstance<KxRegistry>(__uuidof(_kxRegistry), reinterpret_cast<void**>(&settings_))))
        settings_ = nullptr;
}

KxGraph::~KxGraph() {
    if (settings_) settings_->Release();
}

void KxGraph::LoadCustomColors() {
    customColors_ = settings_ ? ParseCustomColorSet(ReadColorSetting(settings_)) : CustomColorBytes{};
}

void KxGraph::StoreCustomColors() {
    if (settings_) WriteColorSetting(settings_, FormatCustomColorSet(*customColors_));
}

STDMETHODIMP KxGraph::CaptureWindow(LONG hWndSrc, LONG hDCSrc, LONG LeftSrc, LONG TopSrc, LONG WidthSrc,
                                    LONG HeightSrc, IPictureDisp** Result) {
    return Guard(kSource, [&] {
        const HDC source = DeviceContext(hDCSrc);
        PictureRef picture = CaptureRectangle(source, LeftSrc, TopSrc, WidthSrc, HeightSrc);
        ReleaseDC(HandleFromLong<HWND>(hWndSrc), source);  // the caller hands the device context over
        *Result = DispatchOf(std::move(picture));
    });
}

STDMETHODIMP KxGraph::DrawGradeint(LONG* mHdc, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2, LONG* mFirstColor,
                                   LONG* mSecondColor, LONG* mFirstAlpha, LONG* mSeconadAlpha,
                                   VARIANT_BOOL* mVertivalFill) {
    return Guard(kSource, [&] {
        DrawGradient(DeviceContext(ValueOr(mHdc, 0)), ValueOr(X1, 0), ValueOr(Y1, 0), ValueOr(X2, 0),
                     ValueOr(Y2, 0), ValueOr(mFirstColor, 0), ValueOr(mSecondColor, 0), ValueOr(mFirstAlpha, 255),
                     ValueOr(mSeconadAlpha, 255), FlagOr(mVertivalFill, true));
    });
}

STDMETHODIMP KxGraph::DrawFullPicture(LONG* hdc, LONG srcBmp, LONG X1, LONG Y1, LONG X2, LONG Y2, LONG* MaskColor,
                                      LONG* Alpha) {
    return Guard(kSource, [&] {
        long maskColor = ValueOr(MaskColor, kNoMask);
        long alpha = ValueOr(Alpha, 255);
        kx::DrawFullPicture(DeviceContext(ValueOr(hdc, 0)), HandleFromLong<HBITMAP>(srcBmp), X1, Y1, X2, Y2,
                            maskColor, alpha);
        if (MaskColor) *MaskColor = maskColor;
        if (Alpha) *Alpha = alpha;
    });
}

STDMETHODIMP KxGraph::GetColorDialog(LONG* DefColor, VARIANT_BOOL* ShowFullOpen, LONG* Result) {
    return Guard(kSource, [&] {
        const long defaultColor = ValueOr(DefColor, -1);
        if (!customColors_) LoadCustomColors();
        COLORREF color = defaultColor >= 0 ? static_cast<COLORREF>(defaultColor) : 0;
        const bool confirmed = ChooseColorWithDialog(color, *customColors_, FlagOr(ShowFullOpen, true));
        StoreCustomColors();  // after every dialog, confirmed or not
        *Result = confirmed ? static_cast<long>(color) : defaultColor;
    });
}

STDMETHODIMP KxGraph::ShowTransPict(unsigned char* Transparent, LONG SrchDc, LONG SrcLeft, LONG SrcTop,
                                    LONG SrcWidth, LONG SrcHeight, LONG Trghdc, LONG TrgLeft, LONG TrgTop,
                                    LONG TrgWidth, LONG TrgHeight) {
    return Guard(kSource, [&] {
        // Despite its name, Transparent is the opacity.
        const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(Transparent ? *Transparent : 0), 0};
        AlphaBlend(DeviceContext(Trghdc), TrgLeft, TrgTop, TrgWidth, TrgHeight, DeviceContext(SrchDc), SrcLeft,
                   SrcTop, SrcWidth, SrcHeight, blend);
    });
}

STDMETHODIMP KxGraph::SavePhotoFile(BSTR* FileName, LONG* Quality, IPictureDisp** Picture, kxPhotoType* PhotoTyp,
                                    short* BitCount) {
    return Guard(kSource, [&] {
        const PictureRef picture = PictureArgument(Picture);
        SavePictureFile(FileName ? FromBstr(*FileName) : std::wstring(), ValueOr(Quality, 0),
                        RequirePicture(picture), MimeTypeOf(PhotoTyp ? *PhotoTyp : kxJpeg),
                        BitCount ? *BitCount : 32);
    });
}

STDMETHODIMP KxGraph::ResizePicture(IPictureDisp** SourcePic, LONG* NewWidth, LONG* NewHeight,
                                    IPictureDisp** Result) {
    return Guard(kSource, [&] {
        const PictureRef source = PictureArgument(SourcePic);
        const HANDLE sourceBitmap = PictureHandle(RequirePicture(source));
        const SIZE size = BitmapSize(sourceBitmap);
        const long width = ValueOr(NewWidth, 0), height = ValueOr(NewHeight, 0);
        PictureRef resized(CreateDIBPicture(width, height, 24));
        if (resized) {
            ScopedMemoryDC from(nullptr), to(nullptr);
            ScopedSelection sourceSelection(from, sourceBitmap);
            ScopedSelection targetSelection(to, PictureHandle(resized.get()));
            SetStretchBltMode(to, HALFTONE);
            SetBrushOrgEx(to, 0, 0, nullptr);  // HALFTONE wants the brush origin set after it
            StretchBlt(to, 0, 0, width, height, from, 0, 0, size.cx, size.cy, SRCCOPY);
        }
        *Result = DispatchOf(std::move(resized));
    });
}

STDMETHODIMP KxGraph::DrawGrayScale(LONG lhdc, LONG hPicture, LONG lLeft, LONG lTop, LONG lWidth, LONG lHeight,
                                    VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        *Result = ToVariantBool(kx::DrawGrayScale(DeviceContext(lhdc), HandleFromLong<HANDLE>(hPicture), lLeft,
                                                  lTop, lWidth, lHeight));
    });
}

STDMETHODIMP KxGraph::GrayImage(IPictureDisp** SourcePic, IPictureDisp** Result) {
    return Guard(kSource, [&] {
        const PictureRef source = PictureArgument(SourcePic);
        *Result = DispatchOf(PictureRef(kx::GrayImage(source.get())));
    });
}

STDMETHODIMP KxGraph::ColorOffset(OLE_COLOR* tColor, LONG* lOffset, OLE_COLOR* Result) {
    return Guard(kSource, [&] {
        *Result = static_cast<OLE_COLOR>(
            kx::ColorOffset(static_cast<long>(tColor ? *tColor : 0), ValueOr(lOffset, 0)));
    });
}

STDMETHODIMP KxGraph::ColorBase(OLE_COLOR tColor, LONG Base, OLE_COLOR* Result) {
    return Guard(kSource, [&] {
        OLE_COLOR translated = 0;
        const HRESULT hr = TranslateColor(tColor, &translated);
        if (FAILED(hr)) throw Error(ErrorNumberOf(hr));
        const long t = static_cast<long>(translated);  // -1 for a failed translation: red 255, green and blue 0
        const long red = TowardBase(t & 255, Base);
        const long green = TowardBase((t / 256) % 256, Base);
        const long blue = TowardBase((t / 65536) % 256, Base);
        *Result = static_cast<OLE_COLOR>(red + 256 * green + 65536 * blue);
    });
}

STDMETHODIMP KxGraph::GetRgb(OLE_COLOR theColor, short* Red, short* Green, short* Blue) {
    return Guard(kSource, [&] {
        // No translation: a system colour's index lands in red.
        if (Red) *Red = static_cast<short>(theColor & 255);
        if (Green) *Green = static_cast<short>((theColor / 256) % 256);
        if (Blue) *Blue = static_cast<short>((theColor / 65536) % 256);
    });
}

STDMETHODIMP KxGraph::TranslateColor(OLE_COLOR lColor, OLE_COLOR* Result) {
    return Guard(kSource, [&] { *Result = static_cast<OLE_COLOR>(TranslateOleColor(static_cast<long>(lColor))); });
}

STDMETHODIMP KxGraph::ComparePicture(LONG* Pic_1_hdc, IPictureDisp** Pic_1, LONG* Pic_2_hdc, IPictureDisp** Pic_2,
                                     VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        const PictureRef first = PictureArgument(Pic_1);
        const PictureRef second = PictureArgument(Pic_2);
        const SIZE size = PixelSize(RequirePicture(first));
        if (size.cx <= 0 || size.cy <= 0) throw Error(kErrSubscript);  // no array of that many pixels
        const std::vector<DWORD> firstPixels =
            ReadPixels32(DeviceContext(ValueOr(Pic_1_hdc, 0)), PictureHandle(first.get()), size);
        const std::vector<DWORD> secondPixels =
            ReadPixels32(DeviceContext(ValueOr(Pic_2_hdc, 0)), PictureHandle(RequirePicture(second)), size);
        *Result = ToVariantBool(firstPixels == secondPixels);
    });
}

}  // namespace kx
