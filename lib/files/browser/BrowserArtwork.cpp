#include "BrowserArtwork.h"

#include <vector>

namespace kx {
namespace {

// A picture as a list of shapes on a 16-unit grid; the painter scales it to the icon's size.
enum class Shape { Box, Frame, Disc };
struct Stroke {
    Shape shape;
    int left, top, right, bottom;  // right and bottom exclusive
    COLORREF colour;
};
using Picture = std::vector<Stroke>;

constexpr COLORREF kInk = RGB(64, 64, 64);
constexpr COLORREF kFolderBack = RGB(214, 170, 40);
constexpr COLORREF kFolderFront = RGB(250, 210, 90);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kMetal = RGB(192, 192, 192);
constexpr COLORREF kScreen = RGB(40, 90, 170);
constexpr COLORREF kSea = RGB(60, 130, 210);
constexpr COLORREF kLand = RGB(70, 160, 70);

const Picture kFolder = {{Shape::Box, 1, 3, 7, 5, kFolderBack},
                         {Shape::Box, 1, 4, 15, 13, kFolderFront},
                         {Shape::Frame, 1, 4, 15, 13, kInk}};
const Picture kOpenFolder = {{Shape::Box, 1, 3, 7, 5, kFolderBack},
                             {Shape::Box, 1, 4, 14, 13, kFolderBack},
                             {Shape::Box, 3, 7, 16, 13, kFolderFront},
                             {Shape::Frame, 3, 7, 16, 13, kInk}};
const Picture kDesktop = {{Shape::Box, 1, 2, 15, 11, RGB(0, 128, 128)},
                          {Shape::Frame, 1, 2, 15, 11, kInk},
                          {Shape::Box, 6, 11, 10, 13, kMetal},
                          {Shape::Box, 4, 13, 12, 15, kInk}};
const Picture kDocuments = {{Shape::Box, 1, 5, 15, 14, kFolderFront},
                            {Shape::Box, 4, 1, 12, 9, kPaper},
                            {Shape::Frame, 4, 1, 12, 9, kInk},
                            {Shape::Box, 6, 3, 10, 4, kInk},
                            {Shape::Box, 6, 5, 10, 6, kInk},
                            {Shape::Frame, 1, 5, 15, 14, kInk}};
const Picture kComputer = {{Shape::Box, 2, 1, 14, 10, kMetal},  {Shape::Box, 3, 2, 13, 8, kScreen},
                           {Shape::Frame, 2, 1, 14, 10, kInk},  {Shape::Box, 1, 11, 15, 15, kMetal},
                           {Shape::Frame, 1, 11, 15, 15, kInk}, {Shape::Box, 11, 12, 13, 13, kLand}};
const Picture kFile = {{Shape::Box, 3, 1, 13, 15, kPaper},
                       {Shape::Frame, 3, 1, 13, 15, kInk},
                       {Shape::Box, 5, 4, 11, 5, kMetal},
                       {Shape::Box, 5, 7, 11, 8, kMetal},
                       {Shape::Box, 5, 10, 11, 11, kMetal}};
const Picture kNetwork = {{Shape::Disc, 1, 1, 15, 15, kSea},
                          {Shape::Box, 4, 4, 8, 8, kLand},
                          {Shape::Box, 9, 8, 12, 12, kLand},
                          {Shape::Frame, 7, 1, 9, 15, kPaper}};

// Drives: a metal case with a mark of their kind.
Picture DrivePicture(COLORREF mark, int markLeft, int markTop, int markRight, int markBottom) {
    return {{Shape::Box, 1, 5, 15, 12, kMetal},
            {Shape::Frame, 1, 5, 15, 12, kInk},
            {Shape::Box, markLeft, markTop, markRight, markBottom, mark}};
}
const Picture kUnknownDrive = DrivePicture(RGB(160, 0, 0), 7, 7, 9, 10);
const Picture kFloppy = {{Shape::Box, 2, 2, 14, 14, RGB(30, 30, 110)},
                         {Shape::Box, 5, 2, 11, 6, kMetal},
                         {Shape::Box, 4, 9, 12, 14, kPaper}};
const Picture kLocalDisk = DrivePicture(kLand, 11, 9, 13, 10);
const Picture kNetworkDrive = {{Shape::Box, 1, 3, 15, 9, kMetal},
                               {Shape::Frame, 1, 3, 15, 9, kInk},
                               {Shape::Box, 7, 9, 9, 13, kInk},
                               {Shape::Box, 2, 13, 14, 15, kSea}};
const Picture kCdDrive = {{Shape::Disc, 1, 1, 15, 15, kMetal}, {Shape::Disc, 6, 6, 10, 10, kPaper}};
const Picture kRemovable = DrivePicture(RGB(230, 120, 20), 4, 7, 12, 10);
const Picture kUpArrow = {{Shape::Box, 7, 6, 9, 14, kInk},  {Shape::Box, 7, 2, 9, 3, kInk},
                          {Shape::Box, 6, 3, 10, 4, kInk},  {Shape::Box, 5, 4, 11, 5, kInk},
                          {Shape::Box, 4, 5, 12, 6, kInk},  {Shape::Box, 3, 6, 13, 7, kInk}};

// Image n of the address box at position n - 1.
const Picture* const kAddressImages[] = {&kUnknownDrive, &kFloppy,   &kLocalDisk, &kNetworkDrive, &kCdDrive,
                                         &kRemovable,    &kFolder,   &kOpenFolder, &kDesktop,    &kDocuments,
                                         &kComputer,     &kFile,     &kNetwork};
const Picture* const kPlaces[] = {&kDesktop, &kDocuments, &kComputer, &kNetwork};

// Paints the picture; on the mask every shape is black (opaque) and the ground stays white.
void Paint(HDC dc, const Picture& picture, int size, bool mask) {
    const int unit = size / 16 > 0 ? size / 16 : 1;
    for (const Stroke& s : picture) {
        const COLORREF colour = mask ? RGB(0, 0, 0) : s.colour;
        const RECT r = {s.left * unit, s.top * unit, s.right * unit, s.bottom * unit};
        HBRUSH brush = CreateSolidBrush(colour);
        if (s.shape == Shape::Box) {
            FillRect(dc, &r, brush);
        } else if (s.shape == Shape::Frame) {
            FrameRect(dc, &r, brush);
        } else {
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, r.left, r.top, r.right + 1, r.bottom + 1);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
        }
        DeleteObject(brush);
    }
}

// An icon of the picture: colour on black, and a mask that is white where nothing was painted.
HICON MakeIcon(const Picture& picture, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    const RECT all = {0, 0, size, size};
    HGDIOBJ old = SelectObject(dc, colour);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Paint(dc, picture, size, false);
    SelectObject(dc, mask);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Paint(dc, picture, size, true);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

}  // namespace

void DrawAddressImages(IconList& list) {
    for (const Picture* picture : kAddressImages) {
        HICON icon = MakeIcon(*picture, IconList::kSize);
        list.AddIcon(icon);
        if (icon) DestroyIcon(icon);
    }
}

HICON CreatePlaceIcon(int place, int size) {
    return place >= 0 && place < 4 ? MakeIcon(*kPlaces[place], size) : nullptr;
}

HICON CreateUpArrowIcon(int size) { return MakeIcon(kUpArrow, size); }

}  // namespace kx
