// The built-in page view: what it reads from a page, where it draws it, how it scrolls, what it makes of
// bad pages; and a screenshot of the viewer with a page of the shipped folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HtmlTestSupport.h"
#include "ScreenCapture.h"
#include "TestSupport.h"
#include "html/HtmlViewerWindow.h"
#include "html/PageTextView.h"

using zarvanta::PageTextView;

namespace {

constexpr RECT kBounds = {8, 8, 8 + 601, 8 + 457};

// The view drawn into a bitmap through WM_PRINTCLIENT, so that other windows on the screen do not matter.
class PrintedView {
public:
    explicit PrintedView(HWND view) {
        GetClientRect(view, &client_);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), client_.right, -client_.bottom, 1, 32, BI_RGB};
        HDC dc = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap_);
        SendMessageW(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ~PrintedView() { DeleteObject(bitmap_); }
    PrintedView(const PrintedView&) = delete;
    PrintedView& operator=(const PrintedView&) = delete;

    // The columns that hold ink (anything not white): first and one past the last; {0, 0} when none.
    std::pair<int, int> InkColumns() const {
        int first = client_.right, last = -1;
        for (int y = 0; y < client_.bottom; ++y)
            for (int x = 0; x < client_.right; ++x)
                if ((bits_[y * client_.right + x] & 0xFFFFFF) != 0xFFFFFF) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return last < 0 ? std::pair<int, int>{0, 0} : std::pair<int, int>{first, last + 1};
    }
    int Width() const { return client_.right; }

private:
    RECT client_ = {};
    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

struct ViewFixture {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    std::unique_ptr<PageTextView> view = PageTextView::Create(owner.hwnd(), kBounds);

    const zarvanta::HtmlPage& Show(const std::wstring& name, const std::string& bytes) {
        htmltest::WriteBytes(folder.File(name), bytes);
        view->Navigate(folder.File(name));
        return view->Page();
    }
};

const std::string kPersianPage =
    "<html dir=\"rtl\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<title>\xD8\xA2\xD8\xB2\xD9\x85\xD9\x88\xD9\x86</title></head><body>\n"
    "<h1>\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85</h1>\n"                                       // سلام
    "<p>\xDB\x8C\xDA\xA9 &amp; \xD8\xAF\xD9\x88</p>\n"                                   // یک & دو
    "<p>\xD8\xB3\xD9\x87 &laquo;\xDA\x86\xD9\x87\xD8\xA7\xD8\xB1&raquo;</p>\n"           // سه «چهار»
    "</body></html>";

TEST(HtmlPageView, ShowsAPersianPageRightToLeft) {
    ViewFixture fixture;
    ASSERT_TRUE(fixture.view);
    const zarvanta::HtmlPage& page = fixture.Show(L"\u0622\u0632\u0645\u0648\u0646.htm", kPersianPage);
    ASSERT_EQ(page.blocks.size(), 3u);
    EXPECT_EQ(page.blocks[0].headingLevel, 1);
    EXPECT_EQ(page.blocks[0].text, L"\u0633\u0644\u0627\u0645");
    EXPECT_EQ(page.blocks[1].text, L"\u06CC\u06A9 & \u062F\u0648");
    EXPECT_EQ(page.blocks[2].text, L"\u0633\u0647 \u00AB\u0686\u0647\u0627\u0631\u00BB");
    for (const auto& block : page.blocks) EXPECT_TRUE(block.rightToLeft);
    EXPECT_EQ(fixture.view->LineCount(), 3u);

    const PrintedView rtl(fixture.view->Window());
    const auto [rtlFirst, rtlEnd] = rtl.InkColumns();
    EXPECT_GT(rtlFirst, rtl.Width() / 2) << "right-to-left text starts at the right";
    EXPECT_GT(rtlEnd, rtl.Width() - 3 * zarvanta::PageLayout::kMargin);

    fixture.Show(L"ltr.htm", "<h1>Hello</h1><p>a &amp; b</p>");
    const PrintedView ltr(fixture.view->Window());
    const auto [ltrFirst, ltrEnd] = ltr.InkColumns();
    EXPECT_LT(ltrEnd, ltr.Width() / 2) << "left-to-right text starts at the left";
    EXPECT_LT(ltrFirst, 3 * zarvanta::PageLayout::kMargin);
}

TEST(HtmlPageView, ScrollsALongPageWithTheKeys) {
    ViewFixture fixture;
    std::string page = "<body dir=rtl>";
    for (int i = 0; i < 200; ++i) page += "<p>" + std::to_string(i) + "</p>";
    fixture.Show(L"long.htm", page);
    const HWND view = fixture.view->Window();
    EXPECT_EQ(fixture.view->ScrollTop(), 0);
    SendMessageW(view, WM_KEYDOWN, VK_END, 0);
    const int bottom = fixture.view->ScrollTop();
    EXPECT_GT(bottom, 1000);
    SendMessageW(view, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(fixture.view->ScrollTop(), bottom);  // no further than the end
    SendMessageW(view, WM_KEYDOWN, VK_UP, 0);
    EXPECT_LT(fixture.view->ScrollTop(), bottom);
    SendMessageW(view, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(fixture.view->ScrollTop(), 0);
    SCROLLINFO info = {sizeof info, SIF_ALL};
    GetScrollInfo(view, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 0);
    EXPECT_GT(info.nMax, bottom);
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);  // a right-to-left page's side
}

std::string Repeated(const std::string& piece, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes) text += piece;
    return text;
}

struct BadPageCase {
    const char* name;
    std::wstring file;
    std::string bytes;
    std::wstring expectedStart;  // what the first block begins with
};

TEST(HtmlPageView, ShowsBadPagesAsWellAsItCanWithoutHanging) {
    ViewFixture fixture;
    constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
    const BadPageCase cases[] = {
        {"broken markup", L"broken.htm", "<p>one<b>two</p></i><<>>< <a href='x>three</a><p>four<table><td>five",
         L"onetwo"},
        {"not UTF-8 although it says so", L"bytes.htm", "<meta charset=utf-8><p>\xD8\xB3\xFF\xFE\xD9\x84</p>",
         L"\u0633\uFFFD\uFFFD\u0644"},
        {"windows-1256", L"cp.htm", "<meta charset=windows-1256><p>\xD3\xE1\xC7\xE3</p>", L"\u0633\u0644\u0627\u0645"},
        {"binary", L"binary.htm", std::string("\0\x01\x02<\0>\xFF\xFE\xFD", 9), L"\0\x01\x02"},
        {"ten megabytes of paragraphs", L"big.htm",
         Repeated("<p>\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85 \xD8\xAF\xD9\x86\xDB\x8C\xD8\xA7 &amp; more words here</p>\n",
                  kTenMegabytes),
         L"\u0633\u0644\u0627\u0645"},
        {"ten megabytes in one word", L"word.htm", Repeated("\xDA\xA9", kTenMegabytes), L"\u06A9\u06A9"},
        {"ten megabytes of tags", L"tags.htm", Repeated("<div dir=rtl><b>", kTenMegabytes) + "x", L"x"},
        {"Persian file name", L"\u0635\u0641\u062D\u0647\u0654 \u0622\u0632\u0645\u0627\u06CC\u0634\u06CC.htm",
         "<p>ok</p>", L"ok"},
    };
    for (const BadPageCase& c : cases) {
        const DWORD start = GetTickCount();
        const zarvanta::HtmlPage& page = fixture.Show(c.file, c.bytes);
        const DWORD took = GetTickCount() - start;
        EXPECT_LT(took, 20000u) << c.name;
        ASSERT_FALSE(page.blocks.empty()) << c.name;
        EXPECT_EQ(page.blocks[0].text.substr(0, c.expectedStart.size()), c.expectedStart) << c.name;
        EXPECT_GT(fixture.view->LineCount(), 0u) << c.name;
        UpdateWindow(fixture.view->Window());
        SendMessageW(fixture.view->Window(), WM_KEYDOWN, VK_END, 0);
        UpdateWindow(fixture.view->Window());
    }
}

TEST(HtmlPageView, APageThatCannotBeReadSaysSo) {
    ViewFixture fixture;
    const std::wstring missing = fixture.folder.File(L"missing.htm");
    fixture.view->Navigate(missing);
    ASSERT_EQ(fixture.view->Page().blocks.size(), 2u);
    EXPECT_EQ(fixture.view->Page().blocks[0].text, PageTextView::kCannotShow);
    EXPECT_EQ(fixture.view->Page().blocks[1].text, missing);
    fixture.Show(L"empty.htm", "");
    EXPECT_TRUE(fixture.view->Page().blocks.empty());
    EXPECT_EQ(fixture.view->LineCount(), 0u);
}

std::wstring ShippedPageFolder() {
    std::wstring source = kxtest::WindowsPathOf(std::wstring(__FILE__, __FILE__ + sizeof(__FILE__) - 1));
    source.resize(source.rfind(L"\\tests\\app\\"));
    return source + L"\\app\\Quran\\";
}

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

TEST(HtmlPageView, ScreenshotOfTheViewerWithAShippedPage) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    zarvanta::HtmlViewerWindow viewer(ShippedPageFolder());
    ASSERT_TRUE(viewer.Create(owner.hwnd()));
    const std::vector<std::wstring> entries = htmltest::ListEntries(viewer.List());
    ASSERT_EQ(entries.size(), 4u);
    auto* view = dynamic_cast<PageTextView*>(viewer.Browser());
    ASSERT_NE(view, nullptr);
    ASSERT_GE(view->Page().blocks.size(), 5u);
    EXPECT_TRUE(view->Page().rightToLeft);
    EXPECT_EQ(view->Page().blocks[0].headingLevel, 1);

    const HWND window = viewer.Handle();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    htmltest::PumpMessages(300);
    const kxtest::ScreenCapture screen(window);
    EXPECT_TRUE(screen.SavePng(TestProgramFolder() + L"html-viewer.png"));
}

}  // namespace
