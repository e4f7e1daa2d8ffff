#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ModalForm.h"
#include "PageBrowser.h"

// frmHtml: the pages of a folder listed by name on the right, the chosen page shown in a browser on the left.
namespace zarvanta {

// Shows the viewer modally over owner (disabled meanwhile) and returns when it is closed.
void ShowHtmlViewer(HWND owner, const std::wstring& folderWithBackslash);

class HtmlViewerWindow {
public:
    static constexpr wchar_t kWindowClass[] = L"ZarvantaHtmlViewer";
    static constexpr wchar_t kCaption[] = L"Html Viewer";
    static constexpr SIZE kClientSize = {807, 475};
    static constexpr RECT kListBounds = {616, 8, 616 + 177, 8 + 446};
    static constexpr RECT kBrowserBounds = {8, 8, 8 + 601, 8 + 457};

    // The browser is made once per window, when it is created.
    explicit HtmlViewerWindow(std::wstring folderWithBackslash, PageBrowserFactory makeBrowser = CreatePageBrowser);
    ~HtmlViewerWindow();
    HtmlViewerWindow(const HtmlViewerWindow&) = delete;
    HtmlViewerWindow& operator=(const HtmlViewerWindow&) = delete;

    // Creates the window centred on its owner, fills the list, shows the first page and shows the window.
    bool Create(HWND owner);
    // Keeps the owner disabled and runs the messages until the window closes; a WM_QUIT closes it and is
    // posted again for the outer loop.
    void RunModal();
    void Destroy();

    HWND Handle() const { return window_; }
    HWND List() const { return list_; }
    PageBrowser* Browser() const { return browser_.get(); }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateFrame();
    void CreateControls();
    void Load();
    void TakeOwnerIcon();
    void FillList();
    void ShowChosenPage();
    void ShowPage(const std::wstring& listName);
    std::wstring ListText(int index) const;
    void DrawListEntry(const DRAWITEMSTRUCT& entry);
    bool PreTranslate(MSG& message);
    void Close();

    std::wstring folder_;
    PageBrowserFactory makeBrowser_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    std::unique_ptr<PageBrowser> browser_;
    OwnerLock ownerLock_;
};

}  // namespace zarvanta
