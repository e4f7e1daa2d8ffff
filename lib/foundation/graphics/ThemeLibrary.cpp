#include "ThemeLibrary.h"

namespace kx {
namespace {

// The three entries of uxtheme.dll; all null where the library or one of them is missing.
struct UxThemeEntries {
    using Open = void*(WINAPI*)(HWND, LPCWSTR);
    using Draw = HRESULT(WINAPI*)(void*, HDC, int, int, const RECT*, const RECT*);
    using Close = HRESULT(WINAPI*)(void*);
    Open open = nullptr;
    Draw draw = nullptr;
    Close close = nullptr;

    UxThemeEntries() {
        const HMODULE module = LoadLibraryW(L"uxtheme.dll");
        if (!module) return;
        open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(module, "OpenThemeData")));
        draw = reinterpret_cast<Draw>(reinterpret_cast<void*>(GetProcAddress(module, "DrawThemeBackground")));
        close = reinterpret_cast<Close>(reinterpret_cast<void*>(GetProcAddress(module, "CloseThemeData")));
        if (!open || !draw || !close) open = nullptr;
    }
};

const UxThemeEntries& Entries() {
    static const UxThemeEntries entries;
    return entries;
}

const ThemeLibrary& SystemThemes() {
    static const ThemeLibrary library;
    return library;
}

const ThemeLibrary* current = nullptr;

}  // namespace

ThemeLibrary::Theme ThemeLibrary::Open(HWND window, const wchar_t* themeClass) const {
    const UxThemeEntries& entries = Entries();
    return entries.open ? entries.open(window, themeClass) : nullptr;
}

HRESULT ThemeLibrary::Draw(Theme theme, HDC dc, int part, int state, const RECT& bounds, const RECT& clip) const {
    const UxThemeEntries& entries = Entries();
    return entries.open ? entries.draw(theme, dc, part, state, &bounds, &clip) : E_NOTIMPL;
}

void ThemeLibrary::Close(Theme theme) const {
    const UxThemeEntries& entries = Entries();
    if (entries.open) entries.close(theme);
}

const ThemeLibrary& Themes() { return current ? *current : SystemThemes(); }

void UseThemeLibrary(const ThemeLibrary* library) { current = library; }

bool DrawThemedPart(HWND window, HDC dc, const wchar_t* themeClass, int part, int state, const RECT& bounds) {
    const ThemeLibrary& themes = Themes();
    const ThemeLibrary::Theme theme = themes.Open(window, themeClass);
    if (!theme) return false;
    const HRESULT drawn = themes.Draw(theme, dc, part, state, bounds, bounds);
    themes.Close(theme);
    return drawn == S_OK;
}

}  // namespace kx
