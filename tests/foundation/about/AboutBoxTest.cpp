// The About box: a borderless modal box on the library's artwork; keys and clicks close it, the
// contact lines open the maker's mail address and home page and leave it open.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "AboutArtwork.h"
#include "AboutBox.h"
#include "ScreenCapture.h"
#include "TestSupport.h"

namespace {

using namespace std::chrono_literals;
constexpr auto kBound = 10s;  // generous: a stuck box fails the test after this, it never hangs it

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds bound = kBound) {
    const auto end = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The visible About box of this process, if one is up.
HWND FindBox() {
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, kx::kAboutBoxClass, nullptr)) != nullptr;) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A rectangle in the box's client coordinates.
RECT RectInBox(HWND box, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LPARAM PointParameter(int x, int y) { return MAKELPARAM(x, y); }

// Input posted as the platform would queue it; the box's own loop translates keys into characters.
void PostKey(HWND box, UINT key) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(box, WM_KEYDOWN, key, scan | 1);
    PostMessageW(box, WM_KEYUP, key, scan | 1 | 0xC0000000);
}

void PostClick(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParameter(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, PointParameter(x, y));
}

void PostClickOnLabel(HWND box, int label) {
    HWND window = GetDlgItem(box, label);
    RECT area;
    GetClientRect(window, &area);
    PostClick(window, area.right / 2, area.bottom / 2);
}

// The lines of the file that records shell launches instead of running them.
class RecordedActions {
public:
    RecordedActions() : path_(scratch_.File(L"actions.txt")) {
        SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", path_.c_str());
    }
    ~RecordedActions() { SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr); }
    std::vector<std::string> Lines() const {
        std::ifstream in(std::filesystem::path(path_), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    }
    bool WaitForLines(size_t count) const {
        return WaitFor([&] { return Lines().size() >= count; });
    }

private:
    kxtest::ScratchFolder scratch_;
    std::wstring path_;
};

struct Session {
    bool appeared = false;
    bool closedByDriver = false;  // the box was gone before the test had to force it
    int quitCode = -1;            // the exit code of a quit message the box passed on, if any
};

// Shows the box on this thread, as a control's About does, while a driver thread works it. A box that
// does not close in time is closed by force (WM_CLOSE, then WM_QUIT to this thread), so the test fails
// instead of hanging.
Session ShowAndDrive(const std::wstring& title, const std::function<void(HWND box)>& drive) {
    Session session;
    std::atomic<bool> returned{false};
    const DWORD testThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND box = nullptr;
        session.appeared = WaitFor([&] { return (box = FindBox()) != nullptr; });
        if (session.appeared) drive(box);
        session.closedByDriver = WaitFor([&] { return returned.load(); });
        if (!session.closedByDriver && box) PostMessageW(box, WM_CLOSE, 0, 0);
        if (!WaitFor([&] { return returned.load(); })) PostThreadMessageW(testThread, WM_QUIT, 0, 0);
    });
    kx::ShowAboutBox(title);
    returned = true;
    driver.join();
    MSG message;  // a quit passed on by the box ends here
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) session.quitCode = int(message.wParam);
    return session;
}

TEST(AboutBox, ArtworkIsAPaleOvalPanelOnATexturedFrame) {
    const std::vector<std::uint32_t> pixels = kx::AboutArtworkPixels();
    ASSERT_EQ(size_t(kx::kAboutArtworkWidth * kx::kAboutArtworkHeight), pixels.size());
    const auto at = [&](int x, int y) { return pixels[y * kx::kAboutArtworkWidth + x]; };
    const auto red = [](std::uint32_t p) { return int(p >> 16 & 0xFF); };
    const auto green = [](std::uint32_t p) { return int(p >> 8 & 0xFF); };
    const auto blue = [](std::uint32_t p) { return int(p & 0xFF); };
    const POINT panel[] = {{40, 100}, {280, 100}, {160, 30}, {160, 175}, {100, 70}};
    for (const POINT& p : panel) {
        const std::uint32_t c = at(p.x, p.y);
        EXPECT_TRUE(red(c) >= 240 && green(c) >= 220 && blue(c) >= 150 && blue(c) <= 225)
            << "pale yellow at " << p.x << "," << p.y << ": " << std::hex << c;
    }
    const POINT frame[] = {{6, 6}, {313, 6}, {6, 193}, {313, 193}, {5, 100}, {160, 6}};
    for (const POINT& p : frame) {
        const std::uint32_t c = at(p.x, p.y);
        EXPECT_LT(red(c) + green(c) + blue(c), 3 * 200) << "frame at " << p.x << "," << p.y << ": " << std::hex << c;
    }
    EXPECT_NE(at(160, 100), at(40, 100)) << "an emblem stands in the centre";
    std::vector<std::uint32_t> corner;
    for (int y = 3; y < 33; ++y)
        for (int x = 3; x < 33; ++x) corner.push_back(at(x, y));
    std::sort(corner.begin(), corner.end());
    EXPECT_GT(std::unique(corner.begin(), corner.end()) - corner.begin(), 100) << "the frame is textured, not flat";
}

// Where the box stands and what it shows, checked while it is up.
struct BoxView {
    RECT client = {}, window = {};
    LONG style = 0, exStyle = 0;
    HWND owner = nullptr;
    std::wstring texts[4];
    RECT labels[4] = {};
    bool hitsLabel[4] = {};
};

BoxView Look(HWND box) {
    BoxView view;
    GetClientRect(box, &view.client);
    GetWindowRect(box, &view.window);
    view.style = GetWindowLongW(box, GWL_STYLE);
    view.exStyle = GetWindowLongW(box, GWL_EXSTYLE);
    view.owner = GetWindow(box, GW_OWNER);
    for (int i = 0; i < 4; ++i) {
        HWND label = GetDlgItem(box, kx::kAboutTitle + i);
        view.texts[i] = TextOf(label);
        view.labels[i] = RectInBox(box, label);
        const POINT centre = {(view.labels[i].left + view.labels[i].right) / 2,
                              (view.labels[i].top + view.labels[i].bottom) / 2};
        view.hitsLabel[i] = ChildWindowFromPointEx(box, centre, CWP_SKIPINVISIBLE) == label;
    }
    return view;
}

TEST(AboutBox, BorderlessCentredBoxWithTheCallersTitleAndTheContactLines) {
    BoxView view;
    const Session session = ShowAndDrive(L"Button", [&](HWND box) {
        view = Look(box);
        PostKey(box, VK_ESCAPE);
    });
    ASSERT_TRUE(session.appeared);
    EXPECT_TRUE(session.closedByDriver);

    EXPECT_EQ(320, view.client.right);
    EXPECT_EQ(200, view.client.bottom);
    EXPECT_EQ(320, view.window.right - view.window.left) << "no frame";
    EXPECT_EQ(200, view.window.bottom - view.window.top) << "no title bar";
    EXPECT_EQ(0, view.style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
    EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - 320) / 2, view.window.left, 1);
    EXPECT_NEAR((GetSystemMetrics(SM_CYSCREEN) - 200) / 2, view.window.top, 1);
    EXPECT_TRUE(view.exStyle & WS_EX_TOOLWINDOW) << "not in the taskbar";
    EXPECT_FALSE(view.exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(nullptr, view.owner);

    const std::wstring expected[] = {L"Velmora Group Button", L"Ver: 1.0.0", L"Email: info@velmora.example",
                                     L"Url: http://velmora.example"};
    const int designTops[] = {56, 96, 120, 144};
    const int designWidths[] = {45, 39, 47, 25};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(testing::Message() << "label " << i + 1);
        EXPECT_EQ(expected[i], view.texts[i]);
        const RECT& r = view.labels[i];
        EXPECT_EQ(designTops[i], r.top);
        EXPECT_GT(r.right - r.left, designWidths[i]) << "sized to the run-time caption";
        EXPECT_NEAR(kx::kAboutPanelCentreX, (r.left + r.right) / 2.0, 1.0) << "centred on the panel";
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, 320);
        EXPECT_TRUE(view.hitsLabel[i]);
        if (i > 0) {
            EXPECT_LE(view.labels[i - 1].bottom, r.top) << "one below the other";
        }
    }
    EXPECT_NEAR(165, kx::kAboutPanelCentreX, 5);
}

TEST(AboutBox, CharacterKeysAndClicksOnTheBackgroundTitleAndVersionCloseIt) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
    } cases[] = {
        {"Escape", [](HWND box) { PostKey(box, VK_ESCAPE); }},
        {"Enter", [](HWND box) { PostKey(box, VK_RETURN); }},
        {"letter key", [](HWND box) { PostKey(box, 'K'); }},
        {"character", [](HWND box) { PostMessageW(box, WM_CHAR, L'\x0645', 1); }},
        {"click on the frame", [](HWND box) { PostClick(box, 8, 100); }},
        {"click on the panel", [](HWND box) { PostClick(box, 60, 100); }},
        {"click on the title", [](HWND box) { PostClickOnLabel(box, kx::kAboutTitle); }},
        {"click on the version", [](HWND box) { PostClickOnLabel(box, kx::kAboutMessage); }},
    };
    RecordedActions actions;
    for (const Case& c : cases) {
        const Session session = ShowAndDrive(L"Button", c.act);
        EXPECT_TRUE(session.appeared) << c.name;
        EXPECT_TRUE(session.closedByDriver) << c.name;
        EXPECT_EQ(nullptr, FindBox()) << c.name;
    }
    EXPECT_TRUE(actions.Lines().empty()) << "nothing was opened";
}

// Each recorded launch is a barrier: input posted before the click has been handled once it is recorded.
TEST(AboutBox, ContactLinesOpenMailAndHomePageAndKeepTheBoxOpen) {
    RecordedActions actions;
    bool openAfterMail = false, openAfterKeys = false, openAfterUrl = false;
    const Session session = ShowAndDrive(L"Button", [&](HWND box) {
        PostClickOnLabel(box, kx::kAboutMail);
        openAfterMail = actions.WaitForLines(1) && IsWindow(box);
        PostKey(box, VK_F5);  // keys that give no character leave it open
        PostKey(box, VK_LEFT);
        PostKey(box, VK_SHIFT);
        PostClickOnLabel(box, kx::kAboutUrl);
        PostClickOnLabel(box, kx::kAboutUrl);  // after any characters the keys might have queued
        openAfterKeys = actions.WaitForLines(3) && IsWindow(box);
        PostMessageW(GetDlgItem(box, kx::kAboutMail), WM_LBUTTONDOWN, MK_LBUTTON, PointParameter(2, 2));
        PostMessageW(GetDlgItem(box, kx::kAboutMail), WM_LBUTTONUP, 0, PointParameter(-50, 2));  // released off it
        PostClickOnLabel(box, kx::kAboutUrl);
        openAfterUrl = actions.WaitForLines(4) && IsWindow(box);
        PostKey(box, VK_ESCAPE);
    });
    ASSERT_TRUE(session.appeared);
    EXPECT_TRUE(openAfterMail);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_TRUE(openAfterUrl);
    EXPECT_TRUE(session.closedByDriver);
    const std::vector<std::string> expected = {
        "ShellProgram: MailTo:info@velmora.example", "ShellProgram: http://velmora.example",
        "ShellProgram: http://velmora.example", "ShellProgram: http://velmora.example"};
    EXPECT_EQ(expected, actions.Lines());
}

TEST(AboutBox, CallsInARowShowSeparateBoxesWithTheirOwnTitles) {
    const std::wstring titles[] = {L"Button", L"Progress Bar", L"Professional Label"};
    for (const std::wstring& title : titles) {
        std::wstring shown;
        HWND seen = nullptr;
        const Session session = ShowAndDrive(title, [&](HWND box) {
            seen = box;
            shown = TextOf(GetDlgItem(box, kx::kAboutTitle));
            PostKey(box, VK_RETURN);
        });
        EXPECT_TRUE(session.closedByDriver);
        EXPECT_EQ(L"Velmora Group " + title, shown);
        EXPECT_FALSE(IsWindow(seen)) << "each box is gone when its call returns";
    }
}

// The cursor a window sets over its client area, asked from a thread that shares the box's input state.
HCURSOR CursorOver(HWND window) {
    const DWORD boxThread = GetWindowThreadProcessId(window, nullptr);
    AttachThreadInput(GetCurrentThreadId(), boxThread, TRUE);
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HCURSOR cursor = GetCursor();
    AttachThreadInput(GetCurrentThreadId(), boxThread, FALSE);
    return cursor;
}

TEST(AboutBox, TheContactLinesShowAHand) {
    HCURSOR cursors[4] = {};
    const Session session = ShowAndDrive(L"Button", [&](HWND box) {
        for (int i = 0; i < 4; ++i) cursors[i] = CursorOver(GetDlgItem(box, kx::kAboutTitle + i));
        PostKey(box, VK_ESCAPE);
    });
    EXPECT_TRUE(session.closedByDriver);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW), hand = LoadCursorW(nullptr, IDC_HAND);
    EXPECT_EQ(arrow, cursors[0]);
    EXPECT_EQ(arrow, cursors[1]);
    EXPECT_EQ(hand, cursors[2]);
    EXPECT_EQ(hand, cursors[3]);
}

TEST(AboutBox, AQuitMessageClosesItAndIsPassedOnToTheHost) {
    const Session session = ShowAndDrive(L"Button", [](HWND box) {
        PostThreadMessageW(GetWindowThreadProcessId(box, nullptr), WM_QUIT, 7, 0);
    });
    EXPECT_TRUE(session.closedByDriver);
    EXPECT_EQ(7, session.quitCode);
    EXPECT_EQ(nullptr, FindBox());
}

TEST(AboutBox, OtherWindowsOfTheThreadWaitWhileItIsUp) {
    HWND other = CreateWindowExW(0, L"STATIC", L"host form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, other);
    bool enabledMeanwhile = true;
    const Session session = ShowAndDrive(L"Button", [&](HWND box) {
        enabledMeanwhile = IsWindowEnabled(other);
        PostKey(box, VK_ESCAPE);
    });
    EXPECT_TRUE(session.closedByDriver);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(other));
    DestroyWindow(other);
}

// --- what the box looks like on the screen ---

std::wstring TestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().wstring();
}

using ScreenShot = kxtest::ScreenCapture;

// Off the captions the screen shows the artwork itself; under each caption the artwork shows through
// around the letters, which are drawn in the caption's colour.
TEST(AboutBox, ScreenShowsTheArtworkWithTransparentCaptions) {
    const std::vector<std::uint32_t> artwork = kx::AboutArtworkPixels();
    const auto artworkAt = [&](int x, int y) { return artwork[y * kx::kAboutArtworkWidth + x]; };
    int backgroundMismatches = -1;
    RECT labels[4] = {};
    int artworkUnderLabel[4] = {}, inkOfLabel[4] = {}, areaOfLabel[4] = {};
    bool saved = false;
    const Session session = ShowAndDrive(L"Progress Bar", [&](HWND box) {
        // Above whatever other test programs show, and wait until the window is on the screen.
        SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (int i = 0; i < 4; ++i) labels[i] = RectInBox(box, GetDlgItem(box, kx::kAboutTitle + i));
        const auto offCaptions = [&](int x, int y) {
            for (const RECT& r : labels)
                if (x >= r.left - 2 && x < r.right + 2 && y >= r.top - 2 && y < r.bottom + 2) return false;
            return true;
        };
        const auto countMismatches = [&](const ScreenShot& shot) {
            int count = 0;
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 320; ++x) count += offCaptions(x, y) && shot.At(x, y) != artworkAt(x, y);
            return count;
        };
        WaitFor([&] { return countMismatches(ScreenShot(box)) == 0; }, 5s);
        const ScreenShot shot(box);
        backgroundMismatches = countMismatches(shot);
        for (int i = 0; i < 4; ++i)
            for (int y = labels[i].top; y < labels[i].bottom; ++y)
                for (int x = labels[i].left; x < labels[i].right; ++x) {
                    const std::uint32_t pixel = shot.At(x, y);
                    ++areaOfLabel[i];
                    artworkUnderLabel[i] += pixel == artworkAt(x, y);
                    inkOfLabel[i] += (pixel >> 16 & 0xFF) < 0x50 && (pixel >> 8 & 0xFF) < 0x70;
                }
        saved = shot.SavePng(TestFolder() + L"\\about-box.png");
        PostKey(box, VK_ESCAPE);
    });
    ASSERT_TRUE(session.appeared);
    EXPECT_TRUE(session.closedByDriver);
    EXPECT_EQ(0, backgroundMismatches);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(testing::Message() << "label " << i + 1);
        EXPECT_GT(artworkUnderLabel[i], areaOfLabel[i] / 2) << "transparent background";
        EXPECT_GT(inkOfLabel[i], 20) << "dark letters";
    }
    EXPECT_TRUE(saved);
}

}  // namespace
