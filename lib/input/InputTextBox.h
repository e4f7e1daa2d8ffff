#pragma once
#include <windows.h>

#include <string>

#include "WindowSubclasser.h"

// The text box of an input control that drops a window down (the numeric input, the lookup combo): a
// borderless EDIT child placed beside the drop button. Its keys (system keys too, so Alt+Down arrives)
// reach the owner before the box acts on them, its mouse input and focus changes after. Its text changes
// come to the owner's window as EN_CHANGE.
namespace kx {

class InputTextBox : private SubclassOwner {
public:
    class Input {
    public:
        // True: the key is discarded; otherwise the box acts on the code as left in the argument.
        virtual bool BoxKeyDown(WPARAM& keyCode, bool systemKey) = 0;
        virtual bool BoxChar(WPARAM& character) = 0;
        virtual void BoxKeyUp(WPARAM keyCode) = 0;
        virtual void BoxMouse(UINT message, WPARAM keys, LPARAM position) = 0;
        // The box gained the focus, or lost it to the window given (null: to no window of this thread).
        virtual void BoxFocus(bool gained, HWND other) = 0;

    protected:
        ~Input() = default;
    };

    struct Style {
        long alignment = 1;  // 0 left, 1 right, 2 centre
        bool rightToLeft = false;
        bool locked = false;
        bool enabled = true;
    };

    InputTextBox(HWND owner, Input& input);
    ~InputTextBox();
    InputTextBox(const InputTextBox&) = delete;
    InputTextBox& operator=(const InputTextBox&) = delete;

    HWND Hwnd() const { return window_; }
    void Place(int left, int top, int width, int height);
    void Show(bool visible);
    const Style& GetStyle() const { return style_; }
    // A new alignment or direction makes the window anew, keeping its text, selection and focus.
    void SetStyle(const Style& style);
    void SetFont(HFONT font);  // the caller keeps the font alive
    void SetColours(COLORREF back, COLORREF fore);
    // The answer to the box's WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
    LRESULT Colour(HDC dc) const;

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SelectAll();

private:
    void Create(const std::wstring& text, bool visible, bool focused);
    void Destroy();
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;

    HWND owner_;
    Input& input_;
    HWND window_ = nullptr;
    WindowSubclasser subclasser_{*this};
    Style style_;
    HFONT font_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF fore_ = 0;
    COLORREF back_ = 0;
    RECT place_ = {};
};

}  // namespace kx
