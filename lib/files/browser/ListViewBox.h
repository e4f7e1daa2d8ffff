#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The browser's item list over the common controls' list view: list mode, two columns (the name and the
// item's sort key), each item with a key of its own. Items are sorted by their sort key in memory and
// inserted with redrawing off, so the list shows them in that order and an item's index is its position.
namespace kx {

struct ListItem {
    std::wstring key;
    std::wstring text;
    std::wstring sortKey;  // the second column; its first two characters classify the item
    int image = -1;        // I_IMAGECALLBACK: asked for when the item is first drawn
    bool ghosted = false;
    bool selected = false;
};

class ListViewBox {
public:
    void Create(HWND parent, int id);
    HWND Hwnd() const { return window_; }

    void Clear();
    // Attaches the image list as both the icon and the small icon list; null detaches both.
    void SetImageLists(HIMAGELIST list);
    HIMAGELIST ImageList() const;
    // Replaces the items with these, sorted ascending by sort key without regard to case.
    void Fill(std::vector<ListItem> items);
    void SetItemImage(int index, int image);

    int Count() const { return static_cast<int>(items_.size()); }
    const ListItem& Item(int index) const { return items_[index]; }
    int Selected() const;  // -1 for none

private:
    HWND window_ = nullptr;
    std::vector<ListItem> items_;
};

}  // namespace kx
