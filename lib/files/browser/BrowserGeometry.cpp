#include "BrowserGeometry.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

constexpr double kMenuWidth = 1200;    // the menu column; its entries are narrower
constexpr double kLabelColumn = 1320;  // the labels' column beside the boxes

LayoutRect Rect(double left, double top, double width, double height) {
    return {left, top, std::max(0.0, width), std::max(0.0, height)};
}

void PlaceMenu(const BrowserLayoutInput& in, BrowserLayout& out) {
    out.menuVisible = in.showLeftMenu;
    double top = in.border;
    for (LayoutRect& entry : out.menuEntry) {  // the menu keeps to the left edge in both reading orders
        entry = Rect(in.border, top, in.menuEntryWidth, in.menuEntryHeight);
        top += in.menuEntryHeight;
    }
}

// The columns: labels, boxes, Up button and address box, per reading order.
void PlaceColumns(const BrowserLayoutInput& in, double menu, BrowserLayout& out) {
    const double b = in.border;
    const double boxWidth = in.width - kLabelColumn - menu - 2 * b;
    if (in.rightToLeft) {
        out.searchLabel.left = in.width - in.searchLabelWidth - b;
        out.fileNameLabel.left = in.width - in.fileNameLabelWidth - b;
        out.filterLabel.left = in.width - in.filterLabelWidth - b;
        out.fileName.left = out.filter.left = b + menu;
        out.up.left = b + menu;
        out.address.left = in.upWidth + menu + 100 + b;
    } else {
        out.searchLabel.left = out.fileNameLabel.left = out.filterLabel.left = b + menu;
        out.fileName.left = out.filter.left = menu + kLabelColumn + b;
        out.up.left = in.width - in.upWidth - 2 * b;
        out.address.left = menu + kLabelColumn + b;
    }
    out.fileName.width = out.filter.width = std::max(0.0, boxWidth);
}

}  // namespace

BrowserLayout LayOutBrowser(const BrowserLayoutInput& in) {
    BrowserLayout out;
    const double b = in.border;
    const double menu = in.showLeftMenu ? kMenuWidth : 0;
    out.labelsRightAligned = in.rightToLeft;
    PlaceMenu(in, out);
    PlaceColumns(in, menu, out);

    out.searchLabel.width = in.searchLabelWidth;
    out.fileNameLabel.width = in.fileNameLabelWidth;
    out.filterLabel.width = in.filterLabelWidth;
    out.searchLabel.height = out.fileNameLabel.height = out.filterLabel.height = in.labelHeight;

    out.address.width = std::max(0.0, in.width - 1420 - in.upWidth - menu - 2 * b);
    out.address.height = in.addressHeight;
    out.address.top = b;
    out.up.top = b;
    out.up.width = in.upWidth;
    out.up.height = in.upHeight;
    out.searchLabel.top = b + 70;

    out.filter.height = in.filterHeight;
    out.filter.top = in.height - in.filterHeight - 50 - b;
    out.fileName.height = in.fileNameHeight;
    out.fileName.top = out.filter.top - in.fileNameHeight - 100 - b;
    out.fileNameLabel.top = out.fileName.top + (in.fileNameHeight - in.labelHeight) / 2 - b;
    out.filterLabel.top = out.filter.top + (in.filterHeight - in.labelHeight) / 2 - b;

    out.list = Rect(b + menu, b + 420, in.width - menu - 2 * b, out.fileName.top - 480 - 2 * b);
    return out;
}

ScaleFactors ScaleFactorsFor(int scaleMode, double scaleWidth, double scaleHeight, int innerWidthPixels,
                             int innerHeightPixels, int dpiX, int dpiY) {
    const double twipsX = 1440.0 / (dpiX > 0 ? dpiX : 96);
    const double twipsY = 1440.0 / (dpiY > 0 ? dpiY : 96);
    switch (scaleMode) {
    case 0:
        if (innerWidthPixels > 0 && innerHeightPixels > 0 && scaleWidth != 0 && scaleHeight != 0)
            return {scaleWidth / innerWidthPixels, scaleHeight / innerHeightPixels};
        return {twipsX, twipsY};
    case 2: return {twipsX / 20, twipsY / 20};
    case 3: return {1, 1};
    case 4: return {twipsX / 120, twipsY / 240};
    case 5: return {twipsX / 1440, twipsY / 1440};
    case 6: return {twipsX / (1440 / 25.4), twipsY / (1440 / 25.4)};
    case 7: return {twipsX / (1440 / 2.54), twipsY / (1440 / 2.54)};
    default: return {twipsX, twipsY};
    }
}

PixelRect ToPixels(const LayoutRect& rect, ScaleFactors factors) {
    const auto pixels = [](double units, double perPixel) {
        return static_cast<int>(std::lround(perPixel != 0 ? units / perPixel : 0));
    };
    return {pixels(rect.left, factors.x), pixels(rect.top, factors.y), pixels(rect.width, factors.x),
            pixels(rect.height, factors.y)};
}

}  // namespace kx
