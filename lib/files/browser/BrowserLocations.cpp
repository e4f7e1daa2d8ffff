// actFileDialog's places: the drive list, the address box, and navigation by the address box, the left
// menu and the Up button.
#include "ActFileDialog.h"

#include "AddressRules.h"
#include "DriveList.h"

namespace kx {
namespace {
const wchar_t* const kLeftMenuKeys[kLeftMenuEntries] = {L"Desktop", L"MyDoc", L"MyComp", L"MyNet"};
}

std::vector<ListItem> ActFileDialog::DriveItems() const {
    std::vector<ListItem> items;
    for (const Drive& drive : PresentDrives()) {
        const std::wstring key = std::wstring(1, drive.letter) + L":";
        items.push_back({key, drive.text, key, drive.type});
    }
    return items;
}

void ActFileDialog::FillAddressBox() {
    ImageComboBox& box = form_->imgDir;
    const bool visible = BrowserForm::OwnVisible(box.Hwnd());
    const AddressBox model =
        BuildAddressBox(path_, visible ? PresentDrives() : std::vector<Drive>(), desktopFolder_, documentsFolder_,
                        visible);
    box.Clear();
    for (const AddressEntry& entry : model.entries) box.Add(entry);
    if (!model.selectedKey.empty()) box.SelectKey(model.selectedKey);
}

// Typed text selects no entry, and so goes nowhere.
void ActFileDialog::GoToAddressItem() {
    const ImageComboBox& box = form_->imgDir;
    const auto path = PathOfEntry(box.Entries(), box.Selected(), desktopFolder_, documentsFolder_);
    if (path) NavigateTo(*path);
}

void ActFileDialog::NavigateTo(const std::wstring& path) {
    path_ = path;
    PropertyChanged(L"Path");
    ListLocation();
}

void ActFileDialog::UpOneLevel() {
    ImageComboBox& box = form_->imgDir;
    const int selected = box.Selected();
    if (selected >= 0) {
        const int parent = ParentEntry(box.Entries(), selected);
        if (parent < 0) return;
        box.Select(parent);
        GoToAddressItem();
        return;
    }
    const auto up = PathOneUp(path_);
    if (up) NavigateTo(*up);
}

// A left-menu entry selects its place in the address box and goes there; an entry missing from the box
// leaves the selection as it is.
void ActFileDialog::LeftMenuClick(int index) {
    if (index >= 0 && index < kLeftMenuEntries) form_->imgDir.SelectKey(kLeftMenuKeys[index]);
    GoToAddressItem();
}

}  // namespace kx
