#pragma once

// Where the file browser's parts go for a given size, in the control's scale units, and the same places in
// pixels. Pure arithmetic, no platform calls.
namespace kx {

struct LayoutRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// The control's size and the parts' own sizes, all in scale units.
struct BrowserLayoutInput {
    double width = 0, height = 0;  // W and H
    double border = 0;             // b: outer width minus inner width when a border is drawn, else 0
    bool showLeftMenu = true;
    bool rightToLeft = false;
    double menuEntryWidth = 1100, menuEntryHeight = 855;
    double searchLabelWidth = 0, fileNameLabelWidth = 0, filterLabelWidth = 0;
    double labelHeight = 195;
    double upWidth = 375, upHeight = 315;
    double addressHeight = 315;   // the address box keeps its own height
    double fileNameHeight = 315;  // txtFileName
    double filterHeight = 315;    // cmbPatern
};

constexpr int kMenuEntries = 4;

struct BrowserLayout {
    LayoutRect menuEntry[kMenuEntries];
    bool menuVisible = true;
    bool labelsRightAligned = false;
    LayoutRect searchLabel, fileNameLabel, filterLabel;
    LayoutRect fileName, filter, up, address, list;
};

// The places in scale units; widths and heights that the size leaves no room for are 0.
BrowserLayout LayOutBrowser(const BrowserLayoutInput& input);

// Scale units per pixel along one axis.
struct ScaleFactors {
    double x = 1, y = 1;
};

// Scale units per pixel for a scale mode (1 twips, 2 points, 3 pixels, 4 characters, 5 inches,
// 6 millimetres, 7 centimetres; 0 the user's ScaleWidth x ScaleHeight over the inner size).
ScaleFactors ScaleFactorsFor(int scaleMode, double scaleWidth, double scaleHeight, int innerWidthPixels,
                             int innerHeightPixels, int dpiX, int dpiY);

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};

PixelRect ToPixels(const LayoutRect& rect, ScaleFactors factors);

}  // namespace kx
