// actFileDialog's listing: Refresh and the items of a folder.
#include "ActFileDialog.h"

#include "FolderReader.h"
#include "ListingRules.h"
#include "Text.h"

namespace kx {
namespace {

constexpr DISPID kPathChanged = 3;
constexpr DWORD kGhostedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring WithBackslash(const std::wstring& path) {
    return !path.empty() && path.back() == L'\\' ? path : path + L'\\';
}

bool SameWithoutCase(const std::wstring& a, const std::wstring& b) { return ToLowerText(a) == ToLowerText(b); }

COLORREF ListBackground(HWND list) {
    const COLORREF colour = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
    return colour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : colour;
}

}  // namespace

void ActFileDialog::ListLocation() {
    currentExtensions_ = {L""};
    ListViewBox& list = form_->lstView;
    // While the list is hidden (the network being walked) a listing returns at once and leaves the running one.
    if (!Ambient().UserMode() || !BrowserForm::OwnVisible(list.Hwnd())) return;
    const unsigned request = ++listingRequest_;
    // The image list can only be emptied while no list view uses it.
    list.Clear();
    list.SetImageLists(nullptr);
    form_->iml32.Clear();
    path_ = WithBackslash(path_);
    const std::wstring listed = path_;
    std::vector<ListItem> items;
    switch (KindOfLocation(listed)) {
        case LocationKind::Drives:
            items = DriveItems();
            break;
        case LocationKind::Network:
        case LocationKind::Server:
            items = NetworkItems(listed);
            break;
        case LocationKind::Folder: {
            auto folder = FolderItems(listed, request);
            if (!folder) return;  // a PathChanged handler listed another location: the newest listing stands
            items = std::move(*folder);
            break;
        }
    }
    if (request != listingRequest_) return;
    ShowItems(std::move(items));
    FillAddressBox();
}

std::optional<std::vector<ListItem>> ActFileDialog::FolderItems(const std::wstring& listed, unsigned request) {
    const std::wstring last = lastListedPath_;
    lastListedPath_ = listed;
    if (!last.empty() && last != listed) {
        RaisePathChanged(last);
        if (request != listingRequest_) return std::nullopt;
    }
    SetWindowTextW(form_->txtFileName, fileName_.c_str());
    if (filterIndex_ > -1) currentExtensions_ = ExtensionsOfPattern(FilterPattern(filterIndex_));
    std::vector<ListItem> items;
    if (!IsRootedFolder(listed)) return items;
    for (const FolderEntry& entry : ReadFolder(listed, showHidden_, showSystem_)) {
        const bool ghosted = (entry.attributes & kGhostedAttributes) != 0;
        ListItem item{listed + entry.name, entry.name};
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (entry.name == L"." || entry.name == L"..") continue;
            item.sortKey = L"1_" + item.key;
            item.ghosted = ghosted;
        } else {
            const bool typed = filterIndex_ == -1;
            const bool admitted = typed ? typedPattern_ == L"*.*" || TypedPatternAdmits(typedPattern_, entry.name)
                                        : ExtensionsAdmit(currentExtensions_, entry.name);
            if (!admitted) continue;
            item.sortKey = L"2_" + item.key;
            item.ghosted = !typed && ghosted;
            item.selected = SameWithoutCase(entry.name, fileName_);
        }
        items.push_back(std::move(item));
    }
    return items;
}

void ActFileDialog::RaisePathChanged(const std::wstring& lastPath) {
    BSTR text = ToBstr(lastPath);
    VARIANT argument;
    argument.vt = VT_BYREF | VT_BSTR;
    argument.pbstrVal = &text;
    RaiseEvent(kPathChanged, &argument, 1);
    SysFreeString(text);
}

// Gives the items their icons, shows them sorted, and attaches the icons when there are any.
void ActFileDialog::ShowItems(std::vector<ListItem> items) {
    ListViewBox& list = form_->lstView;
    icons_.Start(form_->iml32, form_->ImageList1.Handle(), ListBackground(list.Hwnd()));
    bool drawnLater = false;
    for (ListItem& item : items) {
        item.image = icons_.ImageOf(item);
        drawnLater |= item.image == I_IMAGECALLBACK;
    }
    if (form_->iml32.Count() > 0 || drawnLater) list.SetImageLists(form_->iml32.Handle());
    list.Fill(std::move(items));
}

}  // namespace kx
