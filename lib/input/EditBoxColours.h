#pragma once
#include <windows.h>

#include <string>

// What the text boxes of the input controls share: their colours, answered to WM_CTLCOLOREDIT and
// WM_CTLCOLORSTATIC through one brush, and reading their text.
namespace kx {

class EditBoxColours {
public:
    EditBoxColours();
    ~EditBoxColours();
    EditBoxColours(const EditBoxColours&) = delete;
    EditBoxColours& operator=(const EditBoxColours&) = delete;

    void Set(HWND box, COLORREF back, COLORREF fore);  // repaints the box (may be null)
    COLORREF Back() const { return back_; }
    COLORREF Fore() const { return fore_; }
    LRESULT Colour(HDC dc) const;

private:
    HBRUSH brush_ = nullptr;
    COLORREF back_ = 0;
    COLORREF fore_ = 0;
};

std::wstring EditText(HWND box);

}  // namespace kx
