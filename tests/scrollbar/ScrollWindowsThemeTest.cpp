// The Windows Theme look: each surface is one "scrollBar" part in one state on the surface's own window;
// without a theme, the classic scroll-bar parts stand in.
#include <gtest/gtest.h>
#include <windows.h>
#include <uxtheme.h>

#include <initializer_list>
#include <utility>

#include "ScrollLookFixture.h"
#include "ThemeLibrary.h"

namespace {

using kxtest::Canvas;
using kxtest::LookBar;
using PartState = std::pair<int, int>;

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);  // what clearing a box or this look's track leaves

// The surface's pixels against a reference of its size cleared in button face and drawn on by draw.
template <class Draw>
void ExpectSurface(const LookBar& s, int surface, Draw draw, const std::string& what) {
    const int w = surface == kxtest::kTrack ? s.bar->TrackSurface().Width() : s.BoxWidth(surface);
    const int h = surface == kxtest::kTrack ? s.bar->TrackSurface().Height() : s.BoxHeight(surface);
    Canvas expected(w, h, 32, kFace);
    draw(expected.dc(), RECT{0, 0, w, h});
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (kxtest::SurfacePixel(s, surface, x, y) != GetPixel(expected.dc(), x, y) && differing++ == 0)
                ADD_FAILURE() << what << ": first difference at (" << x << "," << y << "): "
                              << kxtest::Rgb(kxtest::SurfacePixel(s, surface, x, y)) << " against "
                              << kxtest::Rgb(GetPixel(expected.dc(), x, y));
    EXPECT_EQ(differing, 0) << what;
}

// The parts in order, each with a theme handle of its own on the surface's window.
void ExpectThemed(const LookBar& s, int surface, std::initializer_list<PartState> parts, const std::string& what) {
    const HWND window = surface == kxtest::kTrack ? s.Window() : s.BoxWindow(surface);
    ExpectSurface(
        s, surface,
        [&](HDC dc, RECT all) {
            for (const PartState& p : parts) {
                const HTHEME theme = OpenThemeData(window, L"scrollBar");
                ASSERT_NE(theme, nullptr) << what;
                DrawThemeBackground(theme, dc, p.first, p.second, &all, &all);
                CloseThemeData(theme);
            }
        },
        what);
}

struct LooksRow {
    const char* look;
    PartState track, first, second, thumb, gripper;
};

// The looks table, vertical and horizontal: normal, disabled, hot and pressed.
const LooksRow kVertical[] = {
    {"normal", {6, 1}, {1, 1}, {1, 5}, {3, 1}, {9, 1}},
    {"disabled", {6, 4}, {1, 4}, {1, 8}, {3, 4}, {9, 4}},
    {"hot", {0, 0}, {1, 2}, {1, 6}, {3, 2}, {9, 2}},
    {"pressed", {0, 0}, {1, 3}, {1, 7}, {3, 3}, {9, 3}},
};
const LooksRow kHorizontal[] = {
    {"normal", {4, 1}, {1, 9}, {1, 13}, {2, 1}, {8, 1}},
    {"disabled", {4, 4}, {1, 12}, {1, 16}, {2, 4}, {8, 4}},
    {"hot", {0, 0}, {1, 10}, {1, 14}, {2, 2}, {8, 2}},
    {"pressed", {0, 0}, {1, 11}, {1, 15}, {2, 3}, {8, 3}},
};

void ExpectBoxLook(const LookBar& s, int part, const LooksRow& row, const std::string& what) {
    if (part == 0) ExpectThemed(s, 0, {row.first}, what + " first arrow");
    if (part == 1) ExpectThemed(s, 1, {row.second}, what + " second arrow");
    if (part == 2) ExpectThemed(s, 2, {row.thumb, row.gripper}, what + " thumb");
}

TEST(ScrollWindowsTheme, EverySurfaceIsItsThemePartInItsState) {
    for (bool vertical : {true, false}) {
        const LooksRow* rows = vertical ? kVertical : kHorizontal;
        const std::string way = vertical ? "vertical " : "horizontal ";
        for (int full = 0; full < 2; ++full) {
            LookBar s(kxSBWindowsTheme, vertical);
            s.Enable(full == 0);
            EXPECT_EQ(vertical ? s.BoxWidth(2) : s.BoxHeight(2), 16) << "the thumb leaves the track's last line";
            ExpectThemed(s, kxtest::kTrack, {rows[full].track}, way + rows[full].look + " track");
            for (int part : {0, 1, 2}) ExpectBoxLook(s, part, rows[full], way + rows[full].look);
        }
        for (int look : {2, 3})
            for (int part : {0, 1, 2}) {
                LookBar s(kxSBWindowsTheme, vertical);
                look == 2 ? s.Hover(part) : s.Press(part);
                ExpectBoxLook(s, part, rows[look], way + rows[look].look);
                if (look == 3) s.Release(part);
            }
    }
}

// Counts the theme handles the painters take, and answers "no theme" when told to.
class CountingThemes : public kx::ThemeLibrary {
public:
    CountingThemes() { kx::UseThemeLibrary(this); }
    ~CountingThemes() override { kx::UseThemeLibrary(nullptr); }
    Theme Open(HWND window, const wchar_t* themeClass) const override {
        ++opens;
        EXPECT_STREQ(themeClass, L"scrollBar");
        return noTheme ? nullptr : ThemeLibrary::Open(window, themeClass);
    }
    void Close(Theme theme) const override {
        ++closes;
        ThemeLibrary::Close(theme);
    }
    mutable int opens = 0;
    mutable int closes = 0;
    bool noTheme = false;
};

TEST(ScrollWindowsTheme, EachPartOpensAndClosesItsOwnThemeHandle) {
    LookBar s(kxSBWindowsTheme, true);
    CountingThemes themes;
    s.bar->Refresh();
    EXPECT_EQ(themes.opens, 5) << "track, two arrows, thumb and gripper";
    EXPECT_EQ(themes.closes, 5) << "none held";
    s.Hover(2);
    EXPECT_EQ(themes.opens, 7);
    EXPECT_EQ(themes.closes, 7);
}

// The classic parts that stand in for the theme's.
void ExpectClassicBar(const LookBar& s, bool vertical, UINT state, const std::string& what) {
    const auto arrow = [state](UINT pointing) {
        return [pointing, state](HDC dc, RECT all) { DrawFrameControl(dc, &all, DFC_SCROLL, pointing | state); };
    };
    ExpectSurface(s, 0, arrow(vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT), what + " first arrow");
    ExpectSurface(s, 1, arrow(vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT), what + " second arrow");
    ExpectSurface(
        s, 2, [](HDC dc, RECT all) { DrawEdge(dc, &all, EDGE_RAISED, BF_RECT); }, what + " thumb");
    ExpectSurface(
        s, kxtest::kTrack, [](HDC dc, RECT all) { FillRect(dc, &all, GetSysColorBrush(COLOR_SCROLLBAR)); },
        what + " track");
}

// Without theme data the bar still shows its arrows and thumb, hot as normal and pressed pushed in; the
// style stays Windows Theme.
TEST(ScrollWindowsTheme, WithoutAThemeTheClassicPartsStandIn) {
    for (bool seam : {false, true}) {
        const std::string how = seam ? "no uxtheme: " : "theme switched off: ";
        for (bool vertical : {true, false}) {
            CountingThemes themes;
            themes.noTheme = seam;
            LookBar s(kxSBWindowsTheme, vertical);
            if (!seam) {
                SetWindowTheme(s.Window(), L" ", L" ");
                for (int part : {0, 1, 2}) SetWindowTheme(s.BoxWindow(part), L" ", L" ");
                EXPECT_EQ(OpenThemeData(s.BoxWindow(0), L"scrollBar"), nullptr);
            }
            s.bar->Refresh();
            ExpectClassicBar(s, vertical, 0, how + "normal");
            kxScrollStyle style = kxSBNormal;
            s.bar->get_Style(&style);
            EXPECT_EQ(style, kxSBWindowsTheme);

            const UINT second = vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
            s.Hover(1);
            ExpectSurface(
                s, 1, [second](HDC dc, RECT all) { DrawFrameControl(dc, &all, DFC_SCROLL, second); }, how + "hot");
            s.Press(1);
            ExpectSurface(
                s, 1, [second](HDC dc, RECT all) { DrawFrameControl(dc, &all, DFC_SCROLL, second | DFCS_PUSHED); },
                how + "pressed");
            s.Release(1);
            s.Enable(false);
            ExpectSurface(
                s, 1, [second](HDC dc, RECT all) { DrawFrameControl(dc, &all, DFC_SCROLL, second | DFCS_INACTIVE); },
                how + "disabled");
        }
    }
}

// A theme that goes away between two paints: the next paint draws the classic parts.
TEST(ScrollWindowsTheme, AThemeThatVanishesBetweenPaints) {
    LookBar s(kxSBWindowsTheme, true);
    CountingThemes themes;
    s.bar->Refresh();
    ExpectThemed(s, 0, {{1, 1}}, "themed");
    themes.noTheme = true;
    s.bar->Refresh();
    ExpectClassicBar(s, true, 0, "after the theme went");
}

}  // namespace
