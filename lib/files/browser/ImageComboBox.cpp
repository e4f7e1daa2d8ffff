#include "ImageComboBox.h"

namespace kx {

void ImageComboBox::Create(HWND parent, int id) {
    window_ = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                              0, 0, 100, 300, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                              nullptr);
}

void ImageComboBox::SetImageList(HIMAGELIST list) {
    SendMessageW(window_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
}

void ImageComboBox::Clear() {
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    entries_.clear();
    typed_ = false;
}

void ImageComboBox::Add(const AddressEntry& entry) {
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = -1;
    item.pszText = const_cast<LPWSTR>(entry.text.c_str());
    item.iImage = entry.image - 1;
    item.iSelectedImage = (entry.selectedImage > 0 ? entry.selectedImage : entry.image) - 1;
    item.iIndent = entry.indent;
    item.lParam = static_cast<LPARAM>(entries_.size());
    SendMessageW(window_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    entries_.push_back(entry);
}

int ImageComboBox::Selected() const {
    if (typed_) return -1;
    return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

void ImageComboBox::TextChanged() {
    const int selected = static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
    const HWND edit = reinterpret_cast<HWND>(SendMessageW(window_, CBEM_GETEDITCONTROL, 0, 0));
    wchar_t text[1024] = {};
    if (edit) GetWindowTextW(edit, text, 1024);
    typed_ = selected < 0 || selected >= Count() || entries_[selected].text != text;
}

void ImageComboBox::Select(int index) {
    SendMessageW(window_, CB_SETCURSEL, index, 0);
    typed_ = false;
}

bool ImageComboBox::SelectKey(const std::wstring& key) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key != key) continue;
        Select(static_cast<int>(i));
        return true;
    }
    return false;
}

}  // namespace kx
