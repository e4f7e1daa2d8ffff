#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "IconList.h"
#include "ImageComboBox.h"
#include "ListViewBox.h"

// The constituent windows of the file browser, made as children of the control's window: the left menu
// (four panes, each with an icon and a caption), the address box with its label and the Up button, the
// item list, the file-name and filter rows, the right-click menu and the two image lists. Their
// notifications reach the control's window, which the control handles.
namespace kx {

// Child window identities, as the control's window sees them in WM_COMMAND and WM_NOTIFY.
enum BrowserPartId : int {
    kIdToolBar = 100,      // picToolBar(0..3): 100..103
    kIdToolBarImage = 110, // imgToolBar(0..3)
    kIdToolBarLabel = 120, // lblToolbar(0..3)
    kIdPic32 = 130,
    kIdFileName,
    kIdPattern,
    kIdUp,
    kIdAddress,
    kIdList,
    kIdFileNameLabel,
    kIdFilterLabel,
    kIdSearchLabel,
};

// Items of the right-click menu.
enum BrowserMenuId : int {
    kMenuOpen = 200,
    kMenuRefresh,
    kMenuNewFolder,
    kMenuRename,
    kMenuWinExplorer,
};

constexpr int kLeftMenuEntries = 4;

// One constituent as the Controls collection names it: a window (or a menu item without one).
struct PartRecord {
    std::wstring name;
    short index;  // -1 outside a control array
    HWND window;  // null for menu items
    bool visible;
};

class BrowserForm {
public:
    explicit BrowserForm(HWND parent);
    ~BrowserForm();
    BrowserForm(const BrowserForm&) = delete;
    BrowserForm& operator=(const BrowserForm&) = delete;

    // Captions of the three labels; font of the captions, boxes and list; colours of the panes and labels.
    void ApplyCaptions(const std::wstring& search, const std::wstring& filter, const std::wstring& fileName);
    void ApplyFont(HFONT font);
    void ApplyColours(COLORREF back, COLORREF fore);
    // The colours a child asks for through WM_CTLCOLOR*: a brush, or null for the system's.
    HBRUSH ChildColours(HWND child, HDC dc) const;

    // A child's own visibility (its WS_VISIBLE bit, whatever its parents show).
    static bool OwnVisible(HWND window);
    std::vector<PartRecord> Parts() const;

    HWND picToolBar[kLeftMenuEntries] = {};
    HWND imgToolBar[kLeftMenuEntries] = {};
    HWND lblToolbar[kLeftMenuEntries] = {};
    HWND pic32 = nullptr;
    HWND txtFileName = nullptr;
    HWND cmbPatern = nullptr;
    HWND cmdUp = nullptr;
    HWND lblFileName = nullptr;
    HWND lblFilter = nullptr;
    HWND lblSearch = nullptr;
    ImageComboBox imgDir;
    ListViewBox lstView;
    IconList ImageList1{true};
    IconList iml32;
    HMENU mnuPopup = nullptr;

private:
    void CreateLeftMenu(HWND parent);
    void CreateMenu();
    bool IsLabel(HWND child) const;

    HICON placeIcons_[kLeftMenuEntries] = {};
    HICON upIcon_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    COLORREF foreColour_ = 0;
};

}  // namespace kx
