#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "AddressRules.h"

// The address box over the common controls' extended combo box: entries with a key, a text, an image, a
// selected image and an indentation. Images are numbered from 1 as in the browser's fixed image list
// (image n is the list's position n - 1). Text typed into the box leaves it with no entry selected.
namespace kx {

class ImageComboBox {
public:
    void Create(HWND parent, int id);
    HWND Hwnd() const { return window_; }
    void SetImageList(HIMAGELIST list);

    void Clear();
    void Add(const AddressEntry& entry);
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::vector<AddressEntry>& Entries() const { return entries_; }

    int Selected() const;  // -1 for none, also after typing
    void Select(int index);
    bool SelectKey(const std::wstring& key);  // false when no entry has the key
    // The box's text changed (its edit change notification): typed text unless it is the selected entry's.
    void TextChanged();
    // The user chose an entry from the list: typing before it no longer counts.
    void Chosen() { typed_ = false; }

private:
    HWND window_ = nullptr;
    std::vector<AddressEntry> entries_;
    bool typed_ = false;
};

}  // namespace kx
