#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "EditBoxColours.h"
#include "WindowSubclasser.h"

// The text box of the input controls (the numeric input, the lookup combo, the masked input): a borderless
// EDIT child of the control's window. Its keys (system keys too, so Alt+Down arrives) and the owner's own
// messages reach the owner before the box acts on them, its mouse input and focus changes after. Its text
// changes come to the owner's window as EN_CHANGE.
namespace kx {

class InputTextBox : private SubclassOwner {
public:
    class Input {
    public:
        // True: the key is discarded; otherwise the box acts on the code as left in the argument.
        virtual bool BoxKeyDown(WPARAM& keyCode, bool systemKey) = 0;
        virtual bool BoxChar(WPARAM& character) = 0;
        virtual void BoxKeyUp(WPARAM keyCode, bool systemKey) = 0;
        virtual void BoxMouse(UINT message, WPARAM keys, LPARAM position) = 0;
        // The box gained the focus, or lost it to the window given (null: to no window of this thread).
        virtual void BoxFocus(bool gained, HWND other) = 0;
        // One of the owner's own messages; true: the box does not act on it and answers the result as left.
        virtual bool BoxMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    protected:
        ~Input() = default;
    };

    struct Style {
        long alignment = 0;  // 0 left, 1 right, 2 centre
        bool rightToLeft = false;
        bool locked = false;
        bool enabled = true;
    };

    // holder: the control the box belongs to, held through each of the box's calls to it (null: none).
    // ownMessages: the messages that go to the owner's BoxMessage first.
    InputTextBox(HWND owner, Input& input, IUnknown* holder, const Style& style, std::vector<UINT> ownMessages = {});
    ~InputTextBox();
    InputTextBox(const InputTextBox&) = delete;
    InputTextBox& operator=(const InputTextBox&) = delete;

    HWND Hwnd() const { return window_; }
    void Place(int left, int top, int width, int height);
    void Show(bool visible);
    const Style& GetStyle() const { return style_; }
    // A new alignment or direction makes the window anew, keeping its text, caret, visibility and focus.
    void SetStyle(const Style& style);
    void SetFont(HFONT font);  // the caller keeps the font alive
    void SetColours(COLORREF back, COLORREF fore);
    COLORREF Back() const { return colours_.Back(); }
    COLORREF Fore() const { return colours_.Fore(); }
    // The answer to the box's WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
    LRESULT Colour(HDC dc) const { return colours_.Colour(dc); }

    std::wstring Text() const { return EditText(window_); }
    void SetText(const std::wstring& text);
    void SelectAll();
    long Caret() const;  // the start of the selection
    void SetCaret(long position);

private:
    void Create(const std::wstring& text, long caret, bool visible, bool focused);
    void Destroy();
    bool Visible() const;
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;
    void Before(bool& handled, LRESULT& result, UINT message, WPARAM& wParam, LPARAM lParam);
    void After(UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_;
    Input& input_;
    std::vector<UINT> ownMessages_;
    HWND window_ = nullptr;
    WindowSubclasser subclasser_;
    Style style_;
    HFONT font_ = nullptr;
    EditBoxColours colours_;
    RECT place_ = {};
};

}  // namespace kx
