#include "DriveList.h"

#include <windows.h>

#include "SilentCriticalErrors.h"

namespace kx {
namespace {

std::wstring VolumeLabel(const std::wstring& root) {
    wchar_t label[MAX_PATH + 1] = {};
    const SilentCriticalErrors silent;
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) return L"";
    return label;
}

}  // namespace

std::vector<Drive> PresentDrives() {
    std::vector<Drive> drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + i);
        const std::wstring root = std::wstring(1, letter) + L":\\";
        const int type = static_cast<int>(GetDriveTypeW(root.c_str()));
        if (type < 1 || type > 6) continue;
        const bool floppyLetter = letter == L'A' || letter == L'B';
        drives.push_back(DescribeDrive(letter, type, floppyLetter ? L"" : VolumeLabel(root)));
    }
    return drives;
}

}  // namespace kx
