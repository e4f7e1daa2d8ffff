#include "SkinArtwork.h"

#include <array>
#include <string_view>

#include "MainWindowLayout.h"
#include "SkinPainter.h"

namespace zarvanta {

namespace {

using namespace layout;

// The palette: deep blue title strip, pale blue-grey body, white panels.
constexpr COLORREF kTitleTop = RGB(28, 58, 102);
constexpr COLORREF kTitleBottom = RGB(44, 92, 150);
constexpr COLORREF kBodyTop = RGB(232, 239, 247);
constexpr COLORREF kBodyBottom = RGB(204, 218, 234);
constexpr COLORREF kPanelTop = RGB(252, 253, 255);
constexpr COLORREF kPanelBottom = RGB(236, 242, 249);
constexpr COLORREF kBorder = RGB(120, 146, 180);
constexpr COLORREF kHeading = RGB(24, 52, 96);
constexpr COLORREF kInk = RGB(30, 30, 40);
constexpr COLORREF kExample = RGB(26, 104, 60);
constexpr COLORREF kLink = RGB(0, 64, 160);

struct CalculatorKey {
    std::wstring_view symbol;
    std::wstring_view name;
    COLORREF color;
};

constexpr std::array<CalculatorKey, kCalculatorZones> kCalculatorKeys = {{
    {L"C", L"از نو", RGB(176, 48, 48)},
    {L"+", L"جمع", RGB(40, 96, 168)},
    {L"\u2212", L"تفريق", RGB(40, 96, 168)},
    {L"\u00D7", L"ضرب", RGB(40, 96, 168)},
    {L"\u00F7", L"تقسيم", RGB(40, 96, 168)},
    {L"#", L"باقيمانده", RGB(40, 96, 168)},
}};

struct OptionText {
    std::wstring_view description;
    std::wstring_view example;
};

constexpr std::array<OptionText, kOptionZones> kOptionTexts = {{
    {L"تکرار حرف مشدد", L"محمّد \u2190 محممد"},
    {L"تبديل آ به ا", L"آب \u2190 اب"},
    {L"تبديل ئ به ي", L"مسائل \u2190 مسايل"},
    {L"تبديل ء به ي", L"شيء \u2190 شيي"},
    {L"تبديل ؤ به و", L"مؤمن \u2190 مومن"},
    {L"تبديل گ به ک", L"گل \u2190 کل"},
    {L"تبديل ژ به ز", L"ژاله \u2190 زاله"},
    {L"تبديل چ به ج", L"چشم \u2190 جشم"},
    {L"تبديل پ به ب", L"پدر \u2190 بدر"},
    {L"تبديل ة به ه", L"رحمة \u2190 رحمه"},
}};

RECT Inflated(RECT r, int by) {
    InflateRect(&r, by, by);
    return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void DrawBody(SkinPainter& paint, HDC dc) {
    paint.Fill({0, 0, kWidth, kHeight}, kCutOutColor);
    HRGN body = CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 36, 36);
    SelectClipRgn(dc, body);
    paint.VerticalGradient({0, 0, kWidth, kHeight}, kBodyTop, kBodyBottom);
    paint.VerticalGradient({0, 0, kWidth, 44}, kTitleTop, kTitleBottom);
    paint.Fill({0, 44, kWidth, 46}, RGB(214, 168, 64));  // gold rule under the title strip
    SelectClipRgn(dc, nullptr);
    DeleteObject(body);
}

void DrawTitleStrip(SkinPainter& paint) {
    paint.Text({22, 8, 390, 38}, L"زروانتا  -  ماشين حساب ابجد", {13, true}, RGB(255, 255, 255),
               DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const POINT close = Centre(kCloseZone);
    paint.Circle(close, 13, RGB(196, 58, 50), RGB(255, 255, 255));
    paint.Line({close.x - 5, close.y - 5}, {close.x + 6, close.y + 6}, 2, RGB(255, 255, 255));
    paint.Line({close.x + 5, close.y - 5}, {close.x - 6, close.y + 6}, 2, RGB(255, 255, 255));
    const POINT minimise = Centre(kMinimiseZone);
    paint.Circle(minimise, 13, RGB(226, 168, 40), RGB(255, 255, 255));
    paint.Line({minimise.x - 6, minimise.y + 4}, {minimise.x + 7, minimise.y + 4}, 3, RGB(255, 255, 255));
}

void DrawHeadings(SkinPainter& paint) {
    paint.Text({kTextBox.left, 50, kTextBox.right, 71}, L"متن:", {11, true}, kHeading, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    paint.Text({kList.left, 50, kList.right, 71}, L"ماشين حساب:", {11, true}, kHeading,
               DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    paint.Frame(Inflated(kTextBox, 1), kBorder);
    paint.Frame(Inflated(kList, 1), kBorder);
}

void DrawCalculatorKeys(SkinPainter& paint) {
    for (int i = 0; i < kCalculatorZones; ++i) {
        const RECT zone = CalculatorZone(i);
        const CalculatorKey& key = kCalculatorKeys[i];
        const POINT centre = {zone.left + 19, zone.top + 20};
        paint.Circle(centre, 17, RGB(255, 255, 255), kBorder);
        paint.Circle(centre, 14, key.color, key.color);
        paint.Text({centre.x - 14, centre.y - 15, centre.x + 15, centre.y + 14}, key.symbol, {14, true},
                   RGB(255, 255, 255), DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
        paint.Text({zone.left + 38, zone.top, zone.right, zone.bottom}, key.name, {8}, kInk,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void DrawOptionsPanel(SkinPainter& paint) {
    paint.Panel({488, 329, 792, 586}, 14, kPanelTop, kPanelBottom, kBorder);
    for (int i = 0; i < kOptionZones; ++i) {
        const POINT mark = OptionMark(i);
        const RECT box = {mark.x, mark.y, mark.x + kCheckMarkSize, mark.y + kCheckMarkSize};
        paint.Fill(Inflated(box, -2), RGB(255, 255, 255));
        paint.Frame(Inflated(box, -2), kBorder);
        const RECT zone = OptionZone(i);
        const RECT text = {zone.left + 4, box.top, box.left - 6, box.bottom};
        paint.Text(text, kOptionTexts[i].description, {8, true}, kInk, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        paint.Text(text, kOptionTexts[i].example, {8}, kExample, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

// Short notes beside the four buttons the window places on the skin.
void DrawButtonNotes(SkinPainter& paint) {
    paint.Panel({8, 329, 480, 504}, 14, kPanelTop, kPanelBottom, kBorder);
    const struct {
        RECT beside;
        std::wstring_view note;
    } notes[] = {
        {{kQuranButton.right + 6, kQuranButton.top, 256, kQuranButton.bottom}, L"سوره ها"},
        {{kDefaultButton.right + 6, kDefaultButton.top, 256, kDefaultButton.bottom}, L"تنظيم اوليه"},
        {{kComplexButton.right + 6, kComplexButton.top, 476, kComplexButton.bottom}, L"ترکيب حروف"},
        {{kAbjadWordButton.right + 6, kAbjadWordButton.top, 476, kAbjadWordButton.bottom}, L"عدد به واژه"},
    };
    for (const auto& n : notes) paint.Text(n.beside, n.note, {8}, kHeading, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawContactPanel(SkinPainter& paint) {
    paint.Panel({8, 508, 140, 586}, 14, kTitleBottom, kTitleTop, kBorder);
    paint.Text({8, 512, 140, 556}, L"زروانتا", {20, true}, RGB(255, 255, 255), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    paint.Text({8, 556, 140, 580}, L"Zarvanta", {9, true}, RGB(214, 168, 64), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
               false);
    paint.Panel({146, 508, 392, 586}, 14, kPanelTop, kPanelBottom, kBorder);
    const RECT mail = kMailLinkZone;
    paint.Text({mail.left, mail.top, mail.right, mail.top + 20}, L"تماس با سازنده:", {8, true}, kHeading,
               DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    paint.Text({mail.left, mail.top + 20, mail.right, mail.bottom}, L"zarvanta@velmora.example", {9}, kLink,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
    paint.Text(kWebLinkZone, L"www.velmora.example", {9}, kLink, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
}

HBITMAP CreateDib(int width, int height, HDC* dc, HGDIOBJ* previous) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *dc = CreateCompatibleDC(nullptr);
    *previous = SelectObject(*dc, bitmap);
    return bitmap;
}

void EndDib(HDC dc, HGDIOBJ previous) {
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
}

}  // namespace

HBITMAP CreateSkinBitmap() {
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
    HBITMAP bitmap = CreateDib(kWidth, kHeight, &dc, &previous);
    if (!bitmap) return nullptr;
    SkinPainter paint(dc);
    DrawBody(paint, dc);
    DrawTitleStrip(paint);
    DrawHeadings(paint);
    DrawCalculatorKeys(paint);
    DrawButtonNotes(paint);
    DrawOptionsPanel(paint);
    DrawContactPanel(paint);
    EndDib(dc, previous);
    return bitmap;
}

HBITMAP CreateCheckMarkBitmap() {
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
    HBITMAP bitmap = CreateDib(kCheckMarkSize, kCheckMarkSize, &dc, &previous);
    if (!bitmap) return nullptr;
    SkinPainter paint(dc);
    const RECT whole = {0, 0, kCheckMarkSize, kCheckMarkSize};
    paint.Fill(whole, kPanelBottom);
    paint.Fill(Inflated(whole, -2), RGB(255, 255, 255));
    paint.Frame(Inflated(whole, -2), kBorder);
    paint.Line({5, 10}, {9, 14}, 3, kExample);
    paint.Line({9, 14}, {16, 5}, 3, kExample);
    EndDib(dc, previous);
    return bitmap;
}

HCURSOR CreateLinkCursor() {
    // A pointing hand: '#' outline, '.' white fill, anything else transparent. Hot spot at the fingertip.
    static constexpr const char* kHand[] = {
        "     ##         ", "    #..#        ", "    #..#        ", "    #..#        ", "    #..###      ",
        "    #..#..###   ", "    #..#..#..## ", " ## #..#..#..#.#", "#..##........#.#", "#...#..........#",
        " #............#", "  #...........# ", "  #...........# ", "   #.........#  ", "   #.........#  ",
        "    #.......#   ", "    #.......#   ", "    #########   ",
    };
    constexpr int kSize = 32;
    BYTE andMask[kSize * kSize / 8];
    BYTE xorMask[kSize * kSize / 8];
    FillMemory(andMask, sizeof andMask, 0xFF);
    ZeroMemory(xorMask, sizeof xorMask);
    for (int y = 0; y < static_cast<int>(std::size(kHand)); ++y) {
        for (int x = 0; kHand[y][x] && x < kSize; ++x) {
            const char c = kHand[y][x];
            if (c != '#' && c != '.') continue;
            const int bit = y * kSize + x;
            andMask[bit / 8] &= static_cast<BYTE>(~(0x80 >> (bit % 8)));
            if (c == '.') xorMask[bit / 8] |= static_cast<BYTE>(0x80 >> (bit % 8));
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), 5, 0, kSize, kSize, andMask, xorMask);
}

HICON CreateAppIcon(int size) {
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
    HBITMAP color = CreateDib(size, size, &dc, &previous);
    if (!color) return nullptr;
    SkinPainter paint(dc);
    paint.Fill({0, 0, size, size}, RGB(0, 0, 0));
    paint.Circle({size / 2, size / 2}, size / 2 - 1, kTitleBottom, RGB(214, 168, 64));
    paint.Text({0, 0, size, size - size / 8}, L"ج", {size * 5 / 8, true}, RGB(255, 255, 255),
               DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndDib(dc, previous);

    // Transparent outside the circle.
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    PatBlt(maskDc, 0, 0, size, size, WHITENESS);
    HGDIOBJ oldBrush = SelectObject(maskDc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(maskDc, GetStockObject(BLACK_PEN));
    Ellipse(maskDc, 0, 0, size, size);
    SelectObject(maskDc, oldPen);
    SelectObject(maskDc, oldBrush);
    SelectObject(maskDc, oldMask);
    DeleteDC(maskDc);

    ICONINFO info = {TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}

}  // namespace zarvanta
