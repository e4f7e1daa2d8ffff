#include "AddressRules.h"

#include "Text.h"

namespace kx {
namespace {

const wchar_t* const kDriveTypeNames[] = {L"Unnone Disk", L"Floppy",   L"Local Disk",
                                          L"Network Drive", L"CD Drive", L"Removable Disk"};
constexpr int kFloppy = 2;
constexpr int kRemovable = 6;

bool SameWithoutCase(const std::wstring& a, const std::wstring& b) { return ToUpperText(a) == ToUpperText(b); }

std::wstring WithBackslash(const std::wstring& path) {
    return !path.empty() && path.back() == L'\\' ? path : path + L'\\';
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) { return text.rfind(prefix, 0) == 0; }

// The folders of a path below its drive, as entries of levels 3, 4, ...; the key to select, if any.
void AddFolderChain(const std::wstring& path, const Drive& drive, AddressBox& box) {
    int level = 3;
    std::wstring rest = WithBackslash(path);
    for (;;) {
        rest.erase(0, rest.find(L'\\') + 1);
        if (rest.empty()) {
            if (level > 3) box.selectedKey = std::to_wstring(level - 1) + L"Folder";
            else if (path.size() == 3) box.selectedKey = std::wstring(1, drive.letter);
            return;
        }
        box.entries.push_back({std::to_wstring(level) + L"Folder", rest.substr(0, rest.find(L'\\')), kImageFolder,
                               kImageOpenFolder, level});
        ++level;
    }
}

void AddNetworkChain(const std::wstring& path, AddressBox& box) {
    if (!StartsWith(path, L"\\\\")) return;
    box.selectedKey = L"MyNet";
    std::wstring rest = path;
    for (size_t at; (at = rest.find(L"\\\\")) != std::wstring::npos;) rest.replace(at, 2, L"\\");
    if (!rest.empty() && rest.front() == L'\\') rest.erase(0, 1);
    if (!rest.empty() && rest.back() == L'\\') rest.pop_back();
    if (rest.empty()) return;
    int part = 0;
    for (size_t start = 0;; ++part) {
        const size_t end = rest.find(L'\\', start);
        box.entries.push_back({std::to_wstring(part) + L"Net", rest.substr(start, end - start), kImageFolder,
                               kImageOpenFolder, part + 2});
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    box.selectedKey = std::to_wstring(part) + L"Net";
}

}  // namespace

Drive DescribeDrive(wchar_t letter, int platformType, const std::wstring& volumeLabel) {
    Drive drive;
    drive.letter = ToUpperText(std::wstring(1, letter))[0];
    const bool floppyLetter = drive.letter == L'A' || drive.letter == L'B';
    drive.type = platformType == kFloppy && !floppyLetter ? kRemovable : platformType;
    std::wstring label = floppyLetter ? std::wstring() : volumeLabel;
    if (label.empty() && drive.type >= 1 && drive.type <= 6) label = kDriveTypeNames[drive.type - 1];
    drive.text = label + L" (" + drive.letter + L":)";
    return drive;
}

AddressBox BuildAddressBox(const std::wstring& path, const std::vector<Drive>& drives, const std::wstring& desktop,
                           const std::wstring& documents, bool boxVisible) {
    AddressBox box;
    box.entries = {{L"Desktop", L"Desktop", kImageDesktop, 0, 0},
                   {L"MyDoc", L"My Documents", kImageDocuments, 0, 1},
                   {L"MyComp", L"My Computer", kImageComputer, 0, 1}};
    if (!boxVisible) return box;
    for (const Drive& drive : drives) {
        box.entries.push_back({std::wstring(1, drive.letter), drive.text, drive.type, drive.type, 2});
        if (path == L"\\") box.selectedKey = L"MyComp";
        else if (SameWithoutCase(path, documents)) box.selectedKey = L"MyDoc";
        else if (SameWithoutCase(path, desktop)) box.selectedKey = L"Desktop";
        else if (!path.empty() && ToUpperText(path.substr(0, 1))[0] == drive.letter)
            AddFolderChain(path, drive, box);
    }
    box.entries.push_back({L"MyNet", L"My Network", kImageNetwork, 0, 1});
    AddNetworkChain(path, box);
    return box;
}

std::optional<std::wstring> PathOfEntry(const std::vector<AddressEntry>& entries, int selected,
                                        const std::wstring& desktop, const std::wstring& documents) {
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return std::nullopt;
    const std::wstring& key = entries[selected].key;
    std::wstring path;
    if (key.size() == 1) path = key + L":";
    else if (key == L"Desktop") path = desktop;
    else if (key == L"MyComp") path = L"";
    else if (key == L"MyDoc") path = documents;
    else if (key == L"MyNet") path = L"\\\\";
    else {
        // A network entry walks back to My Network; a folder entry to its drive.
        const bool network = key.find(L"Net") != std::wstring::npos;
        const int stopIndent = network ? 1 : 2;
        path = L"\\";
        int at = selected;
        for (; at >= 0 && entries[at].indent != stopIndent; --at) path = L"\\" + entries[at].text + path;
        if (network) path = L"\\" + path;
        else if (at >= 0) path = entries[at].key + L":" + path;
    }
    return WithBackslash(ToUpperText(path));
}

int ParentEntry(const std::vector<AddressEntry>& entries, int selected) {
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return -1;
    const int indent = entries[selected].indent;
    if (indent <= 0) return -1;
    for (int at = selected - 1; at >= 0; --at)
        if (entries[at].indent == indent - 1) return at;
    return -1;
}

std::optional<std::wstring> PathOneUp(const std::wstring& path) {
    if (path.size() < 4) return std::wstring(L"\\");
    for (size_t at = path.size() - 2; at >= 2; --at)
        if (path[at] == L'\\') return path.substr(0, at + 1);
    return std::nullopt;
}

}  // namespace kx
