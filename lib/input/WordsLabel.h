#pragma once
#include <windows.h>

#include <string>

// The label laid over an input control's text box to show its value in words: a static child drawn by its
// owner (DrawItem), so that alignment, word wrap, direction and colours follow the control's. Clicks come
// to the owner as STN_CLICKED and STN_DBLCLK.
namespace kx {

class WordsLabel {
public:
    struct Look {
        long alignment = 1;  // 0 left, 1 right, 2 centre
        bool rightToLeft = false;
        bool wordWrap = false;
        bool enabled = true;
        COLORREF back = 0;
        COLORREF fore = 0;
        HFONT font = nullptr;  // the caller keeps the font alive
    };

    explicit WordsLabel(HWND owner);
    ~WordsLabel();
    WordsLabel(const WordsLabel&) = delete;
    WordsLabel& operator=(const WordsLabel&) = delete;

    HWND Hwnd() const { return window_; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    void SetLook(const Look& look);
    const Look& GetLook() const { return look_; }
    void Place(int left, int top, int width, int height);
    void Show(bool visible);
    // The owner's WM_DRAWITEM for this label.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    HWND window_ = nullptr;
    std::wstring caption_;
    Look look_;
};

}  // namespace kx
