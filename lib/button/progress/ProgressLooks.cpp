#include "ProgressLooks.h"

#include "ProgressBevel.h"
#include "ProgressBlocks.h"

namespace kx {
namespace {

constexpr long kMediaPlayer = 6;
constexpr long kSolidBrush = 6;  // kxSolid: a plain fill in the bar's colour
constexpr long kLastHatch = HS_DIAGCROSS;

void PaintOfficeXP(const ProgressScene& s) {
    s.canvas.Frame(s.Client(), s.Light(100));
    s.canvas.Fill({1, 1, FillReach(s, 100, s.width), s.height - 1}, s.Light(180));
}

void PaintPastel(const ProgressScene& s) {
    s.canvas.Edge(s.Client(), EDGE_ETCHED);
    long first = s.Light(140), last = s.Light(200);
    s.canvas.Ramp(first, last, 2, 2, FillReach(s, 100, s.width - 4), s.height - 3, true);
}

void PaintJavT(const ProgressScene& s) {
    const long fill = FillReach(s, 101, s.width);
    s.canvas.Frame(s.Client(), s.Light(10));
    long trackEnd = s.Light(100);
    s.canvas.Ramp(s.colour, trackEnd, 2, 2, s.width - 2, s.height - 5, false);
    long top = s.Light(250), bottom = s.colour;
    s.canvas.Ramp(top, bottom, 3, 3, fill, s.height - 6, false);
    s.canvas.Line(fill, 2, fill, s.height - 2, s.Light(25));
}

void PaintMediaPlayer(const ProgressScene& s) {
    s.canvas.Frame(s.Client(), s.Dark(200));
    long first = kProgressBlack, last = LightenProgressColor(s.Dark(100), 10);
    s.canvas.Ramp(first, last, 2, 2, FillReach(s, 100, s.width - 5), s.height - 2, true);
}

// Hatch styles 0 .. 5 as the platform draws them, kxSolid as a plain fill; any other style makes no
// brush and leaves the ground. The style is taken as a 16-bit integer: beyond that it overflows.
HBRUSH CustomBrush(long style, long colour) {
    if (!FitsInt16(style)) throw Error(kErrOverflow);
    const COLORREF plain = static_cast<COLORREF>(TranslateProgressColor(colour));
    if (style == kSolidBrush) return CreateSolidBrush(plain);
    if (style < HS_HORIZONTAL || style > kLastHatch) return nullptr;
    return CreateHatchBrush(static_cast<int>(style), plain);
}

void PaintCustomBrush(const ProgressScene& s) {
    s.canvas.Edge(s.Client(), EDGE_BUMP);
    const RECT fill = {2, 2, FillReach(s, 101, s.width), s.height - 2};
    HBRUSH brush = CustomBrush(s.brushStyle, s.colour);
    if (!brush) return;
    if (IsRectEmpty(&fill)) {  // nearly 0 %: the platform would paint the rectangle mirrored
        DeleteObject(brush);
        return;
    }
    const HDC dc = s.canvas.Dc();
    SetBkColor(dc, static_cast<COLORREF>(TranslateProgressColor(s.Light(140))));
    SetBkMode(dc, OPAQUE);  // the text leaves TRANSPARENT behind; the gaps must be painted every time
    FillRect(dc, &fill, brush);
    DeleteObject(brush);
}

HBITMAP BitmapOf(IPictureDisp* image) {
    IPicture* picture = nullptr;
    if (!image || FAILED(image->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return nullptr;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    picture->get_Type(&type);
    picture->get_Handle(&handle);
    picture->Release();
    return type == PICTYPE_BITMAP ? reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)) : nullptr;
}

void PaintPicture(const ProgressScene& s) {
    s.canvas.Edge(s.Client(), BDR_SUNKENOUTER);
    const HBITMAP bitmap = BitmapOf(s.image);
    if (!bitmap) return;
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!brush) return;
    const HDC dc = s.canvas.Dc();
    HGDIOBJ previous = SelectObject(dc, brush);
    PatBlt(dc, 2, 2, FillReach(s, 101, s.width), s.height - 4, PATCOPY);
    SelectObject(dc, previous);
    DeleteObject(brush);
}

void PaintMetallic(const ProgressScene& s) {
    const long fill = FillReach(s, 100, s.width - 4);
    const long half = PixelOf((s.height - 3) / 2.0);
    long white = kProgressWhite, silver = kProgressSilver;
    s.canvas.Ramp(white, silver, 2, 2, s.width - 3, half, false);
    long lower = BlendProgressColors(kProgressSilver, kProgressBlack, 255), lowerEnd = lower;
    s.canvas.Ramp(lower, lowerEnd, 2, half, s.width - 3, half, false);
    long light = s.Light(150), dark = s.Dark(180);
    s.canvas.Ramp(light, dark, 2, 2, fill, half, false);
    long darker = s.Dark(190);
    s.canvas.Ramp(darker, s.colour, 2, half, fill, half, false);
    PaintBevelFrame(s);
}

using LookPainter = void (*)(const ProgressScene&);

// Scrolling 0 .. 9; 0, 1 and 2 are the block looks.
constexpr LookPainter kLooks[] = {PaintBlockLook,   PaintBlockLook,   PaintBlockLook, PaintOfficeXP,
                                  PaintPastel,      PaintJavT,        PaintMediaPlayer, PaintCustomBrush,
                                  PaintPicture,     PaintMetallic};

}  // namespace

void PaintProgressLook(const ProgressScene& scene) {
    const long count = static_cast<long>(sizeof(kLooks) / sizeof(kLooks[0]));
    const bool known = scene.scrolling >= 0 && scene.scrolling < count;
    (known ? kLooks[scene.scrolling] : PaintBlockLook)(scene);
}

long ProgressGround(long scrolling) { return scrolling == kMediaPlayer ? kProgressBlack : kProgressWhite; }

}  // namespace kx
