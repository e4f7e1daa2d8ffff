// actFileDialog's list handlers and right-click menu: opening items, keys, renames, new folders and the
// launches.
#include "ActFileDialog.h"

#include "ClassicRuntime.h"
#include "ExplorerLaunch.h"
#include "FolderActions.h"
#include "ListingRules.h"
#include "TextCase.h"

namespace kx {
namespace {

constexpr DISPID kFilenameDblClick = 1;
constexpr DISPID kFilenameClick = 2;

std::wstring WithBackslash(const std::wstring& path) {
    return !path.empty() && path.back() == L'\\' ? path : path + L'\\';
}

// The item's kind by its sort key: "1_" a folder or share, "2_" a file, anything else a place.
bool MarkedAs(const ListItem& item, const wchar_t* mark) { return UpperText(item.sortKey).rfind(mark, 0) == 0; }

}  // namespace

std::optional<ListItem> ActFileDialog::SelectedItem() const {
    const int selected = form_->lstView.Selected();
    if (selected < 0 || selected >= form_->lstView.Count()) return std::nullopt;
    return form_->lstView.Item(selected);
}

void ActFileDialog::TakeFileName(const std::wstring& name, DISPID event) {
    fileName_ = name;
    SetWindowTextW(form_->txtFileName, fileName_.c_str());
    RaiseEvent(event);
}

void ActFileDialog::ListClick() {
    const std::optional<ListItem> item = SelectedItem();
    if (item && MarkedAs(*item, L"2_")) TakeFileName(item->text, kFilenameClick);
}

void ActFileDialog::ListDblClick() {
    path_ = WithBackslash(path_);
    const std::optional<ListItem> item = SelectedItem();
    if (!item) return;
    if (MarkedAs(*item, L"2_")) return TakeFileName(item->text, kFilenameDblClick);
    path_ = (MarkedAs(*item, L"1_") ? UpperText(item->key) : item->key) + L"\\";
    ListLocation();
}

bool ActFileDialog::ListKeyDown(WORD key) {
    switch (key) {
        case VK_F5: ListLocation(); return true;
        case VK_BACK: UpOneLevel(); return true;
        case VK_RETURN: ListDblClick(); return true;
        default: return false;
    }
}

void ActFileDialog::ShowListMenu() {
    POINT at;
    GetCursorPos(&at);
    const int command = TrackPopupMenu(form_->mnuPopup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                       0, Hwnd(), nullptr);
    RunMenuCommand(command);
}

void ActFileDialog::RunMenuCommand(int command) {
    switch (command) {
        case kMenuOpen:
            if (const std::optional<ListItem> item = SelectedItem()) {
                BSTR key = SysAllocString(item->key.c_str());
                ShellProgram(&key);
                SysFreeString(key);
            }
            break;
        case kMenuRefresh: ListLocation(); break;
        case kMenuNewFolder: NewFolder(); break;
        case kMenuRename: StartRename(); break;
        case kMenuWinExplorer:
            path_ = WithBackslash(path_);
            OpenInExplorer(path_);
            break;
    }
}

// New folders and renames belong to folders: the drive list and the network places have none.
bool ActFileDialog::ListsAFolder() const { return KindOfLocation(WithBackslash(path_)) == LocationKind::Folder; }

void ActFileDialog::NewFolder() {
    if (!ListsAFolder()) return;
    path_ = WithBackslash(path_);
    const std::wstring name = MakeNewFolder(path_);
    if (name.empty()) return;
    ListLocation();
    SelectItemByKey(path_ + name);
    StartRename();
}

void ActFileDialog::StartRename() {
    if (!ListsAFolder()) return;
    const HWND list = form_->lstView.Hwnd();
    SetFocus(list);
    DoEvents();
    const int selected = form_->lstView.Selected();
    if (selected >= 0) SendMessageW(list, LVM_EDITLABELW, selected, 0);
}

void ActFileDialog::SelectItemByKey(const std::wstring& key) {
    const ListViewBox& list = form_->lstView;
    for (int i = 0; i < list.Count(); ++i) {
        if (!SameTextIgnoringCase(list.Item(i).key, key)) continue;
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list.Hwnd(), LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list.Hwnd(), LVM_ENSUREVISIBLE, i, FALSE);
        return;
    }
}

// The list keeps the old text; the listing that follows shows the new one. Listing again or editing
// again waits until the list view has finished the edit.
void ActFileDialog::LabelEdited(const NMLVDISPINFOW& info) {
    if (!info.item.pszText || info.item.iItem < 0 || info.item.iItem >= form_->lstView.Count()) return;
    path_ = WithBackslash(path_);
    const std::wstring key = form_->lstView.Item(info.item.iItem).key;
    const std::wstring newName = info.item.pszText;
    switch (RenameItem(path_, key, newName)) {
        case RenameResult::Unchanged: break;
        case RenameResult::Restart: PostMessageW(Hwnd(), kMessageRenameAgain, 0, 0); break;
        case RenameResult::Renamed:
            renamedKey_ = path_ + newName;
            PostMessageW(Hwnd(), kMessageRenamed, 0, 0);
            break;
    }
}

void ActFileDialog::AfterRename() {
    ListLocation();
    SelectItemByKey(renamedKey_);
}

}  // namespace kx
