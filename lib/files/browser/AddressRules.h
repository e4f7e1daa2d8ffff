#pragma once
#include <optional>
#include <string>
#include <vector>

// The browser's places as data: the drive label rule, the entries of the address box for a path,
// and the path that choosing an entry (or going up) leads to. No window or file calls.
namespace kx {

// Images of the fixed image list, numbered from 1: 1 to 6 the drive types, then these.
enum AddressImage : int {
    kImageFolder = 7,
    kImageOpenFolder = 8,
    kImageDesktop = 9,
    kImageDocuments = 10,
    kImageComputer = 11,
    kImageFile = 12,
    kImageNetwork = 13,
};

struct AddressEntry {
    std::wstring key;
    std::wstring text;
    int image = 0;
    int selectedImage = 0;  // 0: the image
    int indent = 0;
};

struct Drive {
    wchar_t letter = L'C';
    int type = 0;  // the shown type: a floppy type from C on counts as removable
    std::wstring text;
};

// A drive of the given platform type (1 to 6) and volume label as the browser shows it. A and B have no
// label; an empty label becomes the type's name.
Drive DescribeDrive(wchar_t letter, int platformType, const std::wstring& volumeLabel);

struct AddressBox {
    std::vector<AddressEntry> entries;
    std::wstring selectedKey;  // empty: nothing selected
};

// The address box for a path; with the box hidden only its first three entries.
AddressBox BuildAddressBox(const std::wstring& path, const std::vector<Drive>& drives, const std::wstring& desktop,
                           const std::wstring& documents, bool boxVisible);

// The path that choosing entry `selected` leads to, upper-cased and ending in "\"; none without a selection.
std::optional<std::wstring> PathOfEntry(const std::vector<AddressEntry>& entries, int selected,
                                        const std::wstring& desktop, const std::wstring& documents);

// The entry that Up selects from `selected`: the nearest one above with one indentation less; -1 for none.
int ParentEntry(const std::vector<AddressEntry>& entries, int selected);

// Up from a path when no entry is selected: the path one level up, or none when it has no level to drop.
std::optional<std::wstring> PathOneUp(const std::wstring& path);

}  // namespace kx
