#include "ItemIcons.h"

#include <shellapi.h>

#include "AddressRules.h"
#include "Text.h"

namespace kx {
namespace {

bool IsNetworkKey(const std::wstring& key) { return key.rfind(L"\\\\", 0) == 0; }

// Extensions whose files carry their own icon.
bool IconLivesInFile(const std::wstring& extension) {
    return extension == L".exe" || extension == L".ico" || extension == L".lnk";
}

bool IsDriveKey(const std::wstring& key) { return key.size() == 2 && key[1] == L':'; }

}  // namespace

bool IsServerKey(const std::wstring& key) {
    if (!IsNetworkKey(key)) return false;
    return key.find(L'\\', 2) == std::wstring::npos;  // fewer than four parts when split at "\"
}

std::wstring LowerExtension(const std::wstring& name) {
    const size_t dot = name.find_last_of(L'.');
    const size_t slash = name.find_last_of(L'\\');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return L"";
    return ToLowerText(name.substr(dot));
}

ItemIcons::ItemIcons() {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), IconList::kSize, -IconList::kSize, 1, 32, BI_RGB};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

ItemIcons::~ItemIcons() {
    if (dc_) DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
}

void ItemIcons::Start(IconList& target, HIMAGELIST fixedImages, COLORREF background) {
    target_ = &target;
    fixed_ = fixedImages;
    background_ = background;
    target.Clear();
    copied_.clear();
    kinds_.clear();
}

int ItemIcons::ImageOf(const ListItem& item) {
    const std::wstring& key = item.key;
    if (IsServerKey(key)) return Copy(fixed_, kImageNetwork - 1);
    if (IsDriveKey(key)) return ShellImage(key + L"\\", 0, false, false);
    if (IsNetworkKey(key)) return ShellImage(key, 0, false, true);
    const bool folder = item.sortKey.rfind(L"1_", 0) == 0;
    const std::wstring extension = folder ? L"" : LowerExtension(item.text);
    if (!folder && IconLivesInFile(extension)) return I_IMAGECALLBACK;
    const std::wstring kind = folder ? L"\\" : extension;  // "\" cannot end a file name: the folders' kind
    const auto known = kinds_.find(kind);
    if (known != kinds_.end()) return known->second;
    const int image = ShellImage(folder ? L"folder" : L"file" + extension,
                                 folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL, true, false);
    kinds_[kind] = image;
    return image;
}

int ItemIcons::FileImage(const std::wstring& key) { return ShellImage(key, 0, false, IsNetworkKey(key)); }

int ItemIcons::ShellImage(const std::wstring& path, DWORD attributes, bool byAttributes, bool network) {
    SHFILEINFOW info = {};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (byAttributes ? SHGFI_USEFILEATTRIBUTES : 0);
    const HIMAGELIST system =
        reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(path.c_str(), attributes, &info, sizeof(info), flags));
    if (!system) return Copy(fixed_, (network ? kImageNetwork : kImageFile) - 1);
    return Copy(system, info.iIcon);
}

// Draws the source image on the background and adds that picture to the target, once per source image.
int ItemIcons::Copy(HIMAGELIST source, int index) {
    if (!target_) return -1;
    const auto key = std::make_pair(source, index);
    const auto known = copied_.find(key);
    if (known != copied_.end()) return known->second;
    HGDIOBJ old = SelectObject(dc_, bitmap_);
    const RECT all = {0, 0, IconList::kSize, IconList::kSize};
    HBRUSH brush = CreateSolidBrush(background_);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    ImageList_Draw(source, index, dc_, 0, 0, ILD_TRANSPARENT);
    SelectObject(dc_, old);
    const int position = target_->Add(bitmap_);
    copied_[key] = position;
    return position;
}

}  // namespace kx
