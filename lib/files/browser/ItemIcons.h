#pragma once
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <utility>

#include "IconList.h"
#include "ListViewBox.h"

// The small icons of a listing. The shell is asked once per kind of item (folders, each file extension,
// each drive), and per file only where the icon lives in the file itself (programs, icons, shortcuts),
// which is left until the list draws that item. Each distinct icon is drawn once, on the list's
// background, into the listing's image list; where the shell has none, the fixed file (12) or network
// (13) image stands in.
namespace kx {

class ItemIcons {
public:
    ItemIcons();
    ~ItemIcons();
    ItemIcons(const ItemIcons&) = delete;
    ItemIcons& operator=(const ItemIcons&) = delete;

    // A new listing: empties the target list and forgets what was drawn into it.
    void Start(IconList& target, HIMAGELIST fixedImages, COLORREF background);
    // The item's image in the target list, or I_IMAGECALLBACK when it is to be asked for when drawn.
    int ImageOf(const ListItem& item);
    // The image of an item whose icon lives in its file.
    int FileImage(const std::wstring& key);

private:
    int ShellImage(const std::wstring& path, DWORD attributes, bool byAttributes, bool network);
    int Copy(HIMAGELIST source, int index);

    IconList* target_ = nullptr;
    HIMAGELIST fixed_ = nullptr;
    COLORREF background_ = RGB(255, 255, 255);
    std::map<std::pair<HIMAGELIST, int>, int> copied_;  // source image -> position in the target
    std::map<std::wstring, int> kinds_;                 // kind of item -> position in the target
    HDC dc_ = nullptr;                                  // pic32: the 16x16 drawing surface
    HBITMAP bitmap_ = nullptr;
};

// Whether an item's key names a server ("\\" and a name), a network path, and the extension of a file.
bool IsServerKey(const std::wstring& key);
std::wstring LowerExtension(const std::wstring& name);

}  // namespace kx
