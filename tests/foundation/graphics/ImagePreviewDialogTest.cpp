#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "GdiTestSupport.h"
#include "ImagePreviewHook.h"
#include "KxDialog.h"
#include "PngFile.h"
#include "PreviewLayout.h"
#include "TestSupport.h"

namespace kx {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kFileTypeCombo = 0x470;  // cmb1

// A one-colour 24-bit bitmap file.
void WriteBmp(const std::wstring& path, int width, int height, COLORREF color) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    std::vector<char> row(stride, 0);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = static_cast<char>(GetBValue(color));
        row[x * 3 + 1] = static_cast<char>(GetGValue(color));
        row[x * 3 + 2] = static_cast<char>(GetRValue(color));
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < height; ++y) out.write(row.data(), stride);
}

RECT WindowRectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// A window's pixels read into a DIB: from the screen (what is shown once the window system has it), or
// from the window's own surface (what the window drew, whatever lies above it).
class ScreenShot {
public:
    enum Source { kScreen, kWindowSurface };
    ScreenShot(HWND window, Source source)
        : rect_(WindowRectOf(window)), dib_(rect_.right - rect_.left, rect_.bottom - rect_.top, 32) {
        const HWND from = source == kScreen ? nullptr : window;
        const HDC dc = source == kScreen ? GetDC(nullptr) : GetWindowDC(window);
        SetLayout(dc, 0);  // device pixels as they are, also of a right-to-left window
        const HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ previous = SelectObject(memory, dib_.bitmap());
        const POINT at = source == kScreen ? POINT{rect_.left, rect_.top} : POINT{0, 0};
        BitBlt(memory, 0, 0, dib_.width(), dib_.height(), dc, at.x, at.y, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(from, dc);
    }
    // A pixel by screen position.
    COLORREF At(long x, long y) const { return dib_.At(x - rect_.left, y - rect_.top); }
    // Whether any pixel of the screen rectangle differs from the colour.
    bool AnyOtherThan(const RECT& rect, COLORREF color) const {
        for (long y = rect.top; y < rect.bottom; ++y)
            for (long x = rect.left; x < rect.right; ++x)
                if (At(x, y) != color) return true;
        return false;
    }
    bool SavePng(const std::wstring& path) const { return kxtest::SavePng(dib_.bitmap(), path); }

private:
    RECT rect_;
    kxtest::Dib dib_;
};

RECT Offset(const PreviewRect& rect, POINT origin) {
    return {rect.left + origin.x, rect.top + origin.y, rect.right + origin.x, rect.bottom + origin.y};
}

RECT TextRow(const PreviewLayout& layout, int line, POINT origin) {
    return {layout.textLeft + origin.x, layout.textTop[line] + origin.y, layout.textLeft + 150 + origin.x,
            layout.textTop[line] + 12 + origin.y};
}

TEST(PreviewLayoutTest, PicturesFitInto80By80) {
    struct Case {
        long width, height, fittedWidth, fittedHeight;
    };
    const Case cases[] = {
        {640, 480, 80, 60}, {480, 640, 60, 80}, {33, 33, 80, 80}, {50, 100, 40, 80}, {1000, 1, 80, 0}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const PreviewSize fitted = FitPreview(c.width, c.height);
        EXPECT_EQ(fitted.width, c.fittedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(fitted.height, c.fittedHeight) << c.width << "x" << c.height;
    }
}

TEST(PreviewLayoutTest, StripGeometryOfA500By450Dialog) {
    const PreviewLayout layout = LayoutPreview(500, 450, FitPreview(640, 480));
    EXPECT_EQ(layout.etchedBox.left, 7);
    EXPECT_EQ(layout.etchedBox.top, 310);
    EXPECT_EQ(layout.etchedBox.right, 483);
    EXPECT_EQ(layout.etchedBox.bottom, 410);
    EXPECT_EQ(layout.clearedArea.left, 10);
    EXPECT_EQ(layout.clearedArea.top, 313);
    EXPECT_EQ(layout.clearedArea.right, 479);
    EXPECT_EQ(layout.clearedArea.bottom, 406);
    EXPECT_EQ(layout.picture.top, 330) << "T + 20 for a 640 x 480 picture";
    EXPECT_EQ(layout.picture.left, 483 - 80 - 10);
    EXPECT_EQ(LayoutPreview(500, 450, FitPreview(480, 640)).picture.left, 500 - 87);
    EXPECT_EQ(layout.textLeft, 20);
    const long tops[4] = {322, 342, 362, 382};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(layout.textTop[i], tops[i]);
    EXPECT_EQ(LayoutPreview(500, 450, {80, 59}).picture.top, 310 + 20) << "20.5 rounds to even";
}

TEST(PreviewLayoutTest, TextLines) {
    const NumberSeparators plain;
    EXPECT_EQ(FileSizeLine(1023, plain), L"File Size : 1,023 Bytes");
    EXPECT_EQ(FileSizeLine(1024, plain), L"File Size : 1.0 KB");
    EXPECT_EQ(FileSizeLine(1048576, plain), L"File Size : 1.0 MB");
    EXPECT_EQ(FileSizeLine(1536, plain), L"File Size : 1.5 KB");
    EXPECT_EQ(FileSizeLine(1234567890, plain), L"File Size : 1,177.38 MB");
    EXPECT_EQ(FileSizeLine(0, plain), L"File Size : 0 Bytes");
    EXPECT_EQ(FileSizeLine(5000, {L"\x066C", L"\x066B"}), L"File Size : 4\x066B" L"88 KB") << "the user's separators";
    EXPECT_EQ(AttributeLine(FILE_ATTRIBUTE_READONLY), L"File Attribute:   R ");
    EXPECT_EQ(AttributeLine(0x27), L"File Attribute: AHRS");
    EXPECT_EQ(AttributeLine(FILE_ATTRIBUTE_ARCHIVE), L"File Attribute: A   ");
    EXPECT_EQ(WidthLine(50), L"Image Width  : 50 Pixels");
    EXPECT_EQ(HeightLine(100), L"Image Height : 100 Pixels");
    EXPECT_EQ(WidthLine(-3), L"Image Width  :-3 Pixels");
}

// A window of our own standing in for the open dialog: the hook's child, and an Edit box with the name.
class HookFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 343;

    void SetUp() override {
        parent_ = CreateWindowExW(WS_EX_TOPMOST, L"#32770", L"kxtest preview", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                                  kHeight, nullptr, nullptr, nullptr, nullptr);
        hook_ = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 1, 1, parent_, nullptr, nullptr, nullptr);
        edit_ = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, parent_, nullptr, nullptr,
                                nullptr);
        PreparePreview();
    }
    void TearDown() override {
        ClosePreview();
        DestroyWindow(parent_);
    }
    void Pump() {
        UpdateWindow(parent_);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        UpdateWindow(parent_);
    }
    // Types the name, sends one notification and reads the screen over the window.
    ScreenShot Notify(const std::wstring& name) {
        SetWindowTextW(edit_, name.c_str());
        Pump();
        NMHDR header = {parent_, 0, static_cast<UINT>(CDN_SELCHANGE)};
        EXPECT_EQ(ImageDialogHookProc(hook_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 0u);
        return ScreenShot(parent_, ScreenShot::kWindowSurface);
    }
    RECT WindowRect() const {
        RECT rect = {};
        GetWindowRect(parent_, &rect);
        return rect;
    }
    POINT ClientOrigin() const {
        POINT origin = {0, 0};
        ClientToScreen(parent_, &origin);
        return origin;
    }

    HWND parent_ = nullptr;
    HWND hook_ = nullptr;
    HWND edit_ = nullptr;
    kxtest::ScratchFolder folder_;
};

TEST_F(HookFixture, InitDialogMakesTheParent107PixelsTallerAndCentresIt) {
    ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
    const RECT rect = WindowRect();
    EXPECT_EQ(rect.right - rect.left, kWidth);
    EXPECT_EQ(rect.bottom - rect.top, kHeight + 107);
    EXPECT_EQ(rect.left, RoundToLong((GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2.0));
    EXPECT_EQ(rect.top, RoundToLong((GetSystemMetrics(SM_CYSCREEN) - kHeight - 107) / 2.0));
    EXPECT_EQ(ImageDialogHookProc(parent_, WM_INITDIALOG, 0, 0), 0u) << "a dialog without a parent";
    EXPECT_EQ(ImageDialogHookProc(hook_, WM_PAINT, 0, 0), 0u);
}

TEST_F(HookFixture, OneColourBitmapIsDrawnFittedWithItsTexts) {
    const std::wstring picture = folder_.File(L"red.bmp");
    WriteBmp(picture, 40, 20, kRed);
    ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
    const ScreenShot shot = Notify(picture);
    const POINT origin = ClientOrigin();
    const PreviewLayout layout = LayoutPreview(kWidth, kHeight + 107, FitPreview(40, 20));
    const RECT target = Offset(layout.picture, origin);
    ASSERT_EQ(target.right - target.left, 80);
    ASSERT_EQ(target.bottom - target.top, 40);
    EXPECT_FALSE(shot.AnyOtherThan(target, kRed)) << "the whole picture rectangle is red";
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(shot.At(target.left - 1, target.top + 5), face);
    EXPECT_EQ(shot.At(target.right, target.top + 5), face);
    EXPECT_EQ(shot.At(target.left + 5, target.top - 1), face);
    EXPECT_NE(shot.At(origin.x + 200, origin.y + layout.etchedBox.top), face) << "the etched box";
    for (int line = 0; line < 4; ++line)
        EXPECT_TRUE(shot.AnyOtherThan(TextRow(layout, line, origin), face)) << "text line " << line;
}

TEST_F(HookFixture, NamesThatAreNoPictureFileDrawNoPicture) {
    WriteBmp(folder_.File(L"red.bmp"), 40, 20, kRed);
    const std::wstring text = folder_.File(L"notes.txt");
    std::ofstream(text.c_str()) << "not a picture";
    ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
    const POINT origin = ClientOrigin();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        std::wstring name;
        bool fileTexts;
    };
    const Case cases[] = {
        {text, true},                            // a file that is no picture: size and attributes only
        {folder_.File(L"*.bmp"), false},         // wild cards name no single file
        {folder_.path(), false},                 // a folder
        {folder_.File(L"missing.bmp"), false},   // nothing there
        {std::wstring(300, L'x'), false},        // too long to resolve
    };
    for (const Case& c : cases) {
        // Something red first, so that what the strip held before must be cleared.
        Notify(folder_.File(L"red.bmp"));
        const ScreenShot shot = Notify(c.name);
        const PreviewLayout layout = LayoutPreview(kWidth, kHeight + 107, FitPreview(80, 80));
        const RECT strip = Offset(layout.clearedArea, origin);
        EXPECT_FALSE(shot.AnyOtherThan({strip.left + 200, strip.top, strip.right, strip.bottom}, face))
            << "no picture, the old one cleared";
        EXPECT_EQ(shot.AnyOtherThan(TextRow(layout, 0, origin), face), c.fileTexts) << "size line";
        EXPECT_EQ(shot.AnyOtherThan(TextRow(layout, 1, origin), face), c.fileTexts) << "attribute line";
        EXPECT_FALSE(shot.AnyOtherThan(TextRow(layout, 2, origin), face)) << "no width line";
    }
}

TEST_F(HookFixture, EmptyNameDrawsNothing) {
    ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
    const std::wstring picture = folder_.File(L"red.bmp");
    WriteBmp(picture, 40, 20, kRed);
    Notify(picture);
    const ScreenShot shot = Notify(L"");
    const PreviewLayout layout = LayoutPreview(kWidth, kHeight + 107, FitPreview(40, 20));
    EXPECT_FALSE(shot.AnyOtherThan(Offset(layout.picture, ClientOrigin()), kRed)) << "the old preview stays";
}

TEST_F(HookFixture, ADialogLeavesNoGdiObjectsBehind) {
    const std::wstring picture = folder_.File(L"red.bmp");
    WriteBmp(picture, 40, 20, kRed);
    // One dialog first: the picture decoder keeps objects of its own from its first use.
    ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
    Notify(picture);
    ClosePreview();
    const DWORD before = kxtest::GdiObjectCount();
    for (int dialog = 0; dialog < 3; ++dialog) {
        PreparePreview();
        ASSERT_EQ(ImageDialogHookProc(hook_, WM_INITDIALOG, 0, 0), 1u);
        for (int notification = 0; notification < 5; ++notification) Notify(picture);
        ClosePreview();
    }
    EXPECT_EQ(kxtest::GdiObjectCount(), before) << "the dialog's device context, fonts and bitmaps are released";
    PreparePreview();
}

// What the driver saw of the real image dialog.
struct RealDialogView {
    RECT window = {};
    bool pictureRed = false;
    bool controlsAboveStrip = false;
    bool wildCardBlank = false;
    bool folderBlank = false;
    bool pngSaved = false;
};

// A rectangle of a window's client coordinates on the screen; a right-to-left window (the dialogs
// of a Persian system) mirrors its client area.
RECT ClientRectOnScreen(HWND window, const PreviewRect& rect) {
    WINDOWINFO info = {sizeof info};
    GetWindowInfo(window, &info);
    const RECT& client = info.rcClient;
    if (!(info.dwExStyle & WS_EX_LAYOUTRTL))
        return {client.left + rect.left, client.top + rect.top, client.left + rect.right, client.top + rect.bottom};
    const long width = client.right - client.left;
    return {client.left + width - rect.right, client.top + rect.top, client.left + width - rect.left,
            client.top + rect.bottom};
}

// Types a name, has the hook notified and reads what the dialog drew.
ScreenShot NotifyRealDialog(HWND dialog, const std::wstring& name) {
    kxtest::FillFileName(dialog, name);
    kxtest::SyncWith(dialog);
    Sleep(100);
    kxtest::SyncWith(dialog);
    const HWND hook = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
    NMHDR header = {dialog, 0, static_cast<UINT>(CDN_SELCHANGE)};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), SMTO_ABORTIFHUNG, 5000, &ignored);
    return ScreenShot(dialog, ScreenShot::kWindowSurface);
}

std::wstring BuildFolderFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return std::wstring(folder) + L"\\" + name;
}

TEST(ImageDialogTest, RealDialogShowsThePreviewAndIsCentred) {
    CoInitialize(nullptr);
    kxtest::ScratchFolder folder;
    const std::wstring picture = folder.File(L"red.bmp");
    WriteBmp(picture, 64, 48, kRed);
    const std::wstring screenshot = BuildFolderFile(L"image-dialog-preview.png");
    DeleteFileW(screenshot.c_str());
    RealDialogView view;
    KxDialog* dialog = new KxDialog;
    VARIANT_BOOL open = VARIANT_TRUE;
    BSTR fileName = SysAllocString(L"");
    BSTR filter = SysAllocString(L"Pictures|*.bmp;*.gif;*.jpg|All files|*.*");
    BSTR title = SysAllocString(L"kxtest image dialog");
    BSTR initialDir = SysAllocString(folder.path().c_str());
    LONG filterIndex = 1;
    FileFlag flags = FileMustExist;
    BSTR result = nullptr;
    {
        kxtest::DialogDriver driver([&](HWND window) {
            GetWindowRect(window, &view.window);
            const long width = view.window.right - view.window.left;
            const long height = view.window.bottom - view.window.top;
            const PreviewLayout layout = LayoutPreview(width, height, FitPreview(64, 48));
            const ScreenShot shot = NotifyRealDialog(window, picture);
            Sleep(300);  // the window system shows what the dialog drew
            view.pngSaved = ScreenShot(window, ScreenShot::kScreen).SavePng(screenshot);
            view.pictureRed = !shot.AnyOtherThan(ClientRectOnScreen(window, layout.picture), kRed);
            const RECT strip = ClientRectOnScreen(window, layout.etchedBox);
            view.controlsAboveStrip = true;
            for (int control : {kFileTypeCombo, IDOK, IDCANCEL}) {
                const RECT area = WindowRectOf(GetDlgItem(window, control));
                view.controlsAboveStrip = view.controlsAboveStrip && area.bottom > 0 && area.bottom <= strip.top;
            }
            const RECT right = ClientRectOnScreen(window, LayoutPreview(width, height, {80, 80}).picture);
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            view.wildCardBlank = !NotifyRealDialog(window, folder.File(L"*.bmp")).AnyOtherThan(right, face);
            view.folderBlank = !NotifyRealDialog(window, folder.path()).AnyOtherThan(right, face);
            kxtest::FillFileName(window, L"");
            kxtest::PressButton(window, IDCANCEL);
        });
        ASSERT_EQ(dialog->ImageDialog(&open, &fileName, &filter, &filterIndex, &title, &initialDir, &flags, &result),
                  S_OK);
        EXPECT_TRUE(driver.Found());
        EXPECT_FALSE(driver.TimedOut());
    }
    const long width = view.window.right - view.window.left;
    const long height = view.window.bottom - view.window.top;
    EXPECT_EQ(view.window.left, RoundToLong((GetSystemMetrics(SM_CXSCREEN) - width) / 2.0));
    EXPECT_EQ(view.window.top, RoundToLong((GetSystemMetrics(SM_CYSCREEN) - height) / 2.0));
    EXPECT_TRUE(view.pictureRed) << "the fitted picture in the strip";
    EXPECT_TRUE(view.controlsAboveStrip) << "the dialog grew to make room for the strip";
    EXPECT_TRUE(view.wildCardBlank);
    EXPECT_TRUE(view.folderBlank);
    EXPECT_TRUE(view.pngSaved);
    std::wcout << L"image dialog screenshot: " << screenshot << std::endl;
    EXPECT_EQ(flags & 0x80020, 0x80020);
    EXPECT_EQ(std::wstring(result, SysStringLen(result)), std::wstring(257, L'\0')) << "cancelled";
    for (BSTR text : {fileName, filter, title, initialDir, result}) SysFreeString(text);
    dialog->Release();
    CoUninitialize();
}

}  // namespace
}  // namespace kx
