#include "ImagePreviewHook.h"

#include <memory>

#include "PathExistence.h"
#include "PreviewLayout.h"
#include "PreviewPicture.h"
#include "Text.h"

namespace kx {
namespace {

constexpr size_t kFullPathCapacity = 255;

// Module state: the hidden picture box and the device context of the open dialog.
struct PreviewState {
    std::unique_ptr<PreviewPicture> picture;
    HWND window = nullptr;
    HDC dc = nullptr;
    HGDIOBJ originalFont = nullptr;
};
PreviewState g_preview;

void ReleaseDialogDc() {
    if (!g_preview.dc) return;
    if (g_preview.originalFont) DeleteObject(SelectObject(g_preview.dc, g_preview.originalFont));
    ReleaseDC(g_preview.window, g_preview.dc);
    g_preview.dc = nullptr;
    g_preview.window = nullptr;
    g_preview.originalFont = nullptr;
}

// The dialog's first child whose class name begins with "Edit": the file-name box.
HWND FileNameBox(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[5] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::string(className, 4) == std::string("Edit", 4)) return child;
    }
    return nullptr;
}

// The full path of the typed name, or empty text when it does not fit the 255-character buffer.
std::wstring FullPathOf(const std::wstring& name) {
    char buffer[kFullPathCapacity] = {};
    const DWORD length = GetFullPathNameA(ToAnsi(name).c_str(), kFullPathCapacity, buffer, nullptr);
    if (length == 0 || length >= kFullPathCapacity) return {};
    return FromAnsi(std::string(buffer, length));
}

NumberSeparators UserSeparators() {
    NumberSeparators separators;
    wchar_t text[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, 8)) separators.thousands = text;
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8)) separators.decimal = text;
    return separators;
}

RECT WindowRectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void StretchPicture(HDC dc, const PreviewPicture& picture, long left, long top, long width, long height) {
    StretchBlt(dc, left, top, width, height, picture.Dc(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
}

void DrawText(HDC dc, long left, long top, const std::wstring& text) {
    if (!text.empty()) TextOutW(dc, left, top, text.c_str(), static_cast<int>(text.size()));
}

LRESULT OnInitDialog(HWND dialog) {
    const HWND parent = GetParent(dialog);
    ReleaseDialogDc();
    if (!parent) return 0;
    g_preview.window = parent;
    g_preview.dc = GetDC(parent);
    const RECT rect = WindowRectOf(parent);
    const long width = rect.right - rect.left;
    const long height = rect.bottom - rect.top + kPreviewExtraHeight;
    const long left = RoundToLong((GetSystemMetrics(SM_CXSCREEN) - width) / 2.0);
    const long top = RoundToLong((GetSystemMetrics(SM_CYSCREEN) - height) / 2.0);
    MoveWindow(parent, left, top, width, height, TRUE);
    return 1;
}

void DrawTexts(const std::wstring& typedName, const std::wstring& path, const PreviewPicture& picture,
               const PreviewLayout& layout) {
    std::wstring sizeLine, attributeLine, widthLine, heightLine;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    // Folders, drive roots and wild cards name no single file: they get no file texts.
    if (!TrimBlanks(typedName).empty() && IsPlainFile(path) &&
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const uint64_t size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        sizeLine = FileSizeLine(size, UserSeparators());
        attributeLine = AttributeLine(data.dwFileAttributes);
    }
    if (picture.HasPicture()) {
        widthLine = WidthLine(picture.Width());
        heightLine = HeightLine(picture.Height());
    }
    HDC dc = g_preview.dc;
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ replaced = SelectObject(dc, CreatePreviewFont(8, 0));
    if (!g_preview.originalFont)
        g_preview.originalFont = replaced;
    else
        DeleteObject(replaced);
    const std::wstring* lines[4] = {&sizeLine, &attributeLine, &widthLine, &heightLine};
    for (int i = 0; i < 4; ++i) DrawText(dc, layout.textLeft, layout.textTop[i], *lines[i]);
}

LRESULT OnNotify(HWND dialog) {
    const HWND parent = GetParent(dialog);
    const HWND box = parent ? FileNameBox(parent) : nullptr;
    if (!box || !g_preview.dc || !g_preview.picture) return 0;
    const std::wstring typedName = ReadWindowText(box);
    if (typedName.empty()) return 0;
    const std::wstring path = FullPathOf(typedName);
    const RECT rect = WindowRectOf(parent);
    const long width = rect.right - rect.left;
    const long height = rect.bottom - rect.top;
    PreviewPicture& picture = *g_preview.picture;
    HDC dc = g_preview.dc;

    SetStretchBltMode(dc, COLORONCOLOR);
    picture.Clear();
    const PreviewRect cleared = LayoutPreview(width, height, {0, 0}).clearedArea;
    StretchPicture(dc, picture, cleared.left, cleared.top, cleared.right - cleared.left, cleared.bottom - cleared.top);
    RECT box3d = {7, height - 140, width - 17, height - 40};
    DrawEdge(dc, &box3d, EDGE_ETCHED, BF_RECT);
    if (!PathExists(path)) return 0;

    if (IsPlainFile(path)) picture.Load(path);  // a file that is no picture leaves the box empty
    const PreviewLayout layout = LayoutPreview(width, height, FitPreview(picture.Width(), picture.Height()));
    const PreviewRect& target = layout.picture;
    StretchPicture(dc, picture, target.left, target.top, target.right - target.left, target.bottom - target.top);
    DrawTexts(typedName, path, picture, layout);
    return 0;
}

}  // namespace

void PreparePreview() {
    ReleaseDialogDc();
    g_preview.picture = std::make_unique<PreviewPicture>();
}

void ClosePreview() {
    ReleaseDialogDc();
    g_preview.picture.reset();
}

UINT_PTR CALLBACK ImageDialogHookProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    try {
        if (message == WM_INITDIALOG) return OnInitDialog(dialog);
        if (message == WM_NOTIFY) return OnNotify(dialog);
    } catch (...) {
        // Nothing may escape into the dialog's window procedure.
    }
    return 0;
}

std::wstring ReadWindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(copied >= 0 && size_t(copied) < buffer.size() ? size_t(copied) : 0);
    return FromAnsi(buffer);
}

HFONT CreatePreviewFont(short, long angle) {
    return CreateFontA(12, 0, angle * 10, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, 0, 0, PROOF_QUALITY, 0,
                       "MS Sans Serif");
}

}  // namespace kx
