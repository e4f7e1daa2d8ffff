#pragma once
#include <windows.h>
#include <olectl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "FocusMemory.h"
#include "ModalForm.h"
#include "dictionary/RecordSet.h"

// frmAbjad: lists the dictionary words whose Abjad value is the number typed, and copies the list into
// Clip.txt beside the program, which it then opens in the text editor.
namespace zarvanta {

// Shows the window modally over owner (disabled meanwhile) and returns when it is closed. The list filters
// the shared record set, which stays filtered afterwards.
void ShowNumberWordsWindow(HWND owner, RecordSet* dictionary, const std::filesystem::path& programFolder);

class NumberWordsWindow {
public:
    static constexpr wchar_t kWindowClass[] = L"ZarvantaAbjad";

    NumberWordsWindow(RecordSet* dictionary, std::filesystem::path programFolder);
    ~NumberWordsWindow();
    NumberWordsWindow(const NumberWordsWindow&) = delete;
    NumberWordsWindow& operator=(const NumberWordsWindow&) = delete;

    // Creates the window centred on the screen, disables the owner and shows the window with the focus in the
    // text box.
    bool Create(HWND owner);
    // Keeps the owner disabled and runs the messages until the window closes; a WM_QUIT closes it and is
    // posted again for the outer loop.
    void RunModal();

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    HWND CreateChild(const wchar_t* className, const wchar_t* text, const RECT& bounds, DWORD style, DWORD exStyle);
    // The button's window, or null when it could not be placed.
    HWND PlaceButton(const wchar_t* name, const wchar_t* caption, const RECT& bounds,
                     void (NumberWordsWindow::*onClick)());

    void ListWords();  // btnDo
    void CopyList();   // btnCopy
    std::vector<std::wstring> ListEntries() const;
    void ShowError(const std::wstring& text);

    bool PreTranslate(MSG& message);
    bool IsButtonWindow(HWND window) const;
    void Close();

    RecordSet* dictionary_;
    std::filesystem::path folder_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND value_ = nullptr;  // txtValue
    HWND list_ = nullptr;   // List1
    FocusMemory focus_;  // back where it was after a message box
    HFONT font_ = nullptr;
    IFontDisp* buttonFont_ = nullptr;
    std::unique_ptr<kx::ControlHost> host_;
    std::vector<kx::ControlSite*> buttons_;
    OwnerLock ownerLock_;
};

}  // namespace zarvanta
