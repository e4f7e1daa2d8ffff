#pragma once
#include <windows.h>

#include <string>

#include "EditBoxColours.h"
#include "WindowSubclasser.h"

// The masked input's text box: a borderless EDIT child of the control's window. Its keys reach the
// owner's handlers before the box acts on them, its mouse input after; it refuses every edit that
// would change the text outside the mask (paste, cut, clear, undo).
namespace kx {

class MaskTextBox : private SubclassOwner {
public:
    // The box's input, in the box's own window procedure.
    class Input {
    public:
        // True: the key is discarded; otherwise the box acts on the code as left in the argument.
        virtual bool BoxKeyDown(WPARAM& keyCode) = 0;
        virtual bool BoxChar(WPARAM& character) = 0;
        virtual void BoxKeyUp(WPARAM keyCode) = 0;
        virtual void BoxMouse(UINT message, WPARAM keys, LPARAM position) = 0;

    protected:
        ~Input() = default;
    };

    struct Style {
        long alignment = 0;  // 0 left, 1 right, 2 centre
        bool rightToLeft = false;
        bool locked = false;
        bool enabled = true;
    };

    MaskTextBox(HWND owner, Input& input);
    ~MaskTextBox();
    MaskTextBox(const MaskTextBox&) = delete;
    MaskTextBox& operator=(const MaskTextBox&) = delete;

    HWND Hwnd() const { return window_; }
    void Place(int width, int height);
    const Style& GetStyle() const { return style_; }
    // A new alignment or direction makes the window anew, keeping its text, caret and focus.
    void SetStyle(const Style& style);
    void SetFont(HFONT font);  // the caller keeps the font alive
    void SetColours(COLORREF back, COLORREF fore);
    // The answer to the box's WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
    LRESULT Colour(HDC dc) const;

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    long Caret() const;
    void SetCaret(long position);

private:
    void Create(const std::wstring& text, long caret, bool focused);
    void Destroy();
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;
    void Dispatch(bool before, bool& handled, LRESULT& result, HWND window, UINT message, WPARAM& wParam,
                  LPARAM lParam);

    HWND owner_;
    Input& input_;
    HWND window_ = nullptr;
    WindowSubclasser subclasser_{*this};
    Style style_;
    HFONT font_ = nullptr;
    EditBoxColours colours_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace kx
