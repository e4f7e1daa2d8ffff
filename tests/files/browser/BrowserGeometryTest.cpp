// The browser's layout in both reading orders, with and without the menu and a border, in pixels at 96 DPI.
#include <gtest/gtest.h>

#include "BrowserGeometry.h"

namespace {

using kx::BrowserLayoutInput;
using kx::PixelRect;

constexpr kx::ScaleFactors kTwips = {15, 15};

BrowserLayoutInput DesignSize() {
    BrowserLayoutInput input;
    input.width = 6570;
    input.height = 4680;
    input.searchLabelWidth = 1200;
    input.fileNameLabelWidth = 1000;
    input.filterLabelWidth = 900;
    return input;
}

void ExpectPixels(const kx::LayoutRect& rect, PixelRect expected, const char* what) {
    const PixelRect got = kx::ToPixels(rect, kTwips);
    EXPECT_EQ(got.left, expected.left) << what;
    EXPECT_EQ(got.top, expected.top) << what;
    EXPECT_EQ(got.width, expected.width) << what;
    EXPECT_EQ(got.height, expected.height) << what;
}

TEST(BrowserLayout, DesignSizeWithTheMenu) {
    const kx::BrowserLayout layout = kx::LayOutBrowser(DesignSize());
    ExpectPixels(layout.list, {80, 28, 358, 228}, "list");  // height: 3900 - 480 twips
    ExpectPixels(layout.filter, {168, 288, 270, 21}, "filter box");
    ExpectPixels(layout.fileName, {168, 260, 270, 21}, "file-name box");
    ExpectPixels(layout.up, {413, 0, 25, 21}, "up");
    ExpectPixels(layout.address, {168, 0, 238, 21}, "address");
    ExpectPixels(layout.searchLabel, {80, 5, 80, 13}, "search label");
    ExpectPixels(layout.menuEntry[3], {0, 171, 73, 57}, "menu entry 3");
    EXPECT_TRUE(layout.menuVisible);
    EXPECT_FALSE(layout.labelsRightAligned);
}

TEST(BrowserLayout, RightToLeftLabelsEndAtTheRightEdge) {
    BrowserLayoutInput input = DesignSize();
    input.rightToLeft = true;
    input.border = 60;
    const kx::BrowserLayout layout = kx::LayOutBrowser(input);
    EXPECT_TRUE(layout.labelsRightAligned);
    for (const kx::LayoutRect* label : {&layout.searchLabel, &layout.fileNameLabel, &layout.filterLabel})
        EXPECT_DOUBLE_EQ(label->left + label->width, input.width - input.border);
    EXPECT_DOUBLE_EQ(layout.up.left, 60 + 1200);
    EXPECT_DOUBLE_EQ(layout.fileName.left, 60 + 1200);
    EXPECT_DOUBLE_EQ(layout.address.left, 375 + 1200 + 100 + 60);
    EXPECT_DOUBLE_EQ(layout.menuEntry[0].left, 60);  // the menu stays at the left edge
}

TEST(BrowserLayout, WithoutTheMenuTheListStartsAtTheBorder) {
    BrowserLayoutInput input = DesignSize();
    input.showLeftMenu = false;
    input.border = 60;
    const kx::BrowserLayout layout = kx::LayOutBrowser(input);
    EXPECT_FALSE(layout.menuVisible);
    EXPECT_DOUBLE_EQ(layout.list.left, 60);
    EXPECT_DOUBLE_EQ(layout.list.top, 480);
    EXPECT_DOUBLE_EQ(layout.list.width, 6570 - 120);
    EXPECT_DOUBLE_EQ(layout.filter.left, 1320 + 60);
    EXPECT_DOUBLE_EQ(layout.filter.top, 4680 - 315 - 50 - 60);
    EXPECT_DOUBLE_EQ(layout.fileName.top, layout.filter.top - 315 - 100 - 60);
    EXPECT_DOUBLE_EQ(layout.up.left, 6570 - 375 - 120);
    EXPECT_DOUBLE_EQ(layout.fileNameLabel.top, layout.fileName.top + 60 - 60);
}

TEST(BrowserLayout, ATinyControlGetsNoNegativeSizes) {
    BrowserLayoutInput input = DesignSize();
    input.width = 300;
    input.height = 200;
    input.border = 60;
    const kx::BrowserLayout layout = kx::LayOutBrowser(input);
    for (const kx::LayoutRect* rect : {&layout.list, &layout.fileName, &layout.filter, &layout.address}) {
        EXPECT_GE(rect->width, 0);
        EXPECT_GE(rect->height, 0);
    }
    EXPECT_EQ(layout.list.width, 0);
    EXPECT_EQ(layout.list.height, 0);
}

TEST(BrowserLayout, ScaleFactors) {
    EXPECT_DOUBLE_EQ(kx::ScaleFactorsFor(1, 6570, 4680, 600, 400, 96, 96).x, 15);
    EXPECT_DOUBLE_EQ(kx::ScaleFactorsFor(3, 6570, 4680, 600, 400, 96, 96).x, 1);
    EXPECT_DOUBLE_EQ(kx::ScaleFactorsFor(2, 0, 0, 600, 400, 96, 96).x, 0.75);
    const kx::ScaleFactors user = kx::ScaleFactorsFor(0, 100, 50, 400, 200, 96, 96);
    EXPECT_DOUBLE_EQ(user.x, 0.25);
    EXPECT_DOUBLE_EQ(user.y, 0.25);
    EXPECT_DOUBLE_EQ(kx::ScaleFactorsFor(0, 0, 0, 0, 0, 96, 96).x, 15);  // no user scale: twips
}

}  // namespace
