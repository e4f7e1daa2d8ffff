#pragma once
#include <cstdint>
#include <string>

// Texts and geometry of the picture preview that the image open dialog draws in the strip below
// its controls. Pure logic: no windows.h.
namespace kx {

struct NumberSeparators {
    std::wstring thousands = L",";
    std::wstring decimal = L".";
};

// A non-negative number with thousands grouped and between minDecimals and maxDecimals decimals
// ("#,##0" is 0, 0; "#,##0.0#" is 1, 2); the last kept decimal rounded half away from zero.
std::wstring FormatGrouped(double value, int minDecimals, int maxDecimals, const NumberSeparators& separators);

// "File Size : " with bytes below 1024, KB below 1048576, else MB.
std::wstring FileSizeLine(uint64_t size, const NumberSeparators& separators);
// "File Attribute: " and "AHRS" with a blank for each attribute missing (archive, hidden, read-only, system).
std::wstring AttributeLine(uint32_t attributes);
// "Image Width  :" / "Image Height :", the number with a leading blank when not negative, " Pixels".
std::wstring WidthLine(long width);
std::wstring HeightLine(long height);

struct PreviewSize {
    long width;
    long height;
};
// The picture fitted into 80 x 80 keeping its proportions; an empty box fits to nothing.
PreviewSize FitPreview(long boxWidth, long boxHeight);

struct PreviewRect {
    long left, top, right, bottom;
};

// Where the strip's parts go for a dialog of outer size W x H (after its enlargement).
struct PreviewLayout {
    PreviewRect clearedArea;
    PreviewRect etchedBox;
    PreviewRect picture;
    long textLeft;
    long textTop[4];  // size, attributes, width, height
};
PreviewLayout LayoutPreview(long dialogWidth, long dialogHeight, PreviewSize picture);

// Rounding to the nearest whole number, halves to even.
long RoundToLong(double value);

}  // namespace kx
