#pragma once
#include <windows.h>

#include <string>

#include "EditBoxColours.h"
#include "WindowSubclasser.h"

// The lookup combo's text box: an EDIT child of the control's window whose keys, mouse input and focus
// changes reach the owner first.
namespace kx {

class ComboTextBox : private SubclassOwner {
public:
    class Input {
    public:
        // True: the key is discarded; otherwise the box acts on the code as left in the argument.
        virtual bool BoxKeyDown(WPARAM& keyCode) = 0;
        virtual bool BoxChar(WPARAM& character) = 0;
        virtual void BoxKeyUp(WPARAM keyCode) = 0;
        virtual void BoxMouse(UINT message, WPARAM keys, LPARAM position) = 0;
        virtual void BoxFocus(bool gained, HWND other) = 0;

    protected:
        ~Input() = default;
    };

    ComboTextBox(HWND owner, Input& input);
    ~ComboTextBox();
    ComboTextBox(const ComboTextBox&) = delete;
    ComboTextBox& operator=(const ComboTextBox&) = delete;

    HWND Hwnd() const { return window_; }
    // Alignment 0 left, 1 right, 2 centre; a new alignment or direction makes the window anew.
    void SetLook(long alignment, bool rightToLeft);
    void SetLocked(bool locked);
    void SetFont(HFONT font);  // the caller keeps the font alive
    void SetColours(COLORREF back, COLORREF fore);
    COLORREF Back() const { return colours_.Back(); }
    COLORREF Fore() const { return colours_.Fore(); }
    LRESULT Colour(HDC dc) const;  // the answer to WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SelectAll();

private:
    void Create(const std::wstring& text);
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;

    HWND owner_;
    Input& input_;
    HWND window_ = nullptr;
    WindowSubclasser subclasser_{*this};
    long alignment_ = 0;
    bool rightToLeft_ = false;
    bool locked_ = false;
    HFONT font_ = nullptr;
    EditBoxColours colours_;
};

}  // namespace kx
