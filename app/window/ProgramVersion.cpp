#include "ProgramVersion.h"

#include <windows.h>

#include <vector>

namespace zarvanta {

std::wstring VersionLabelText(unsigned major, unsigned minor, unsigned revision) {
    return L"Ver: " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L".0." + std::to_wstring(revision);
}

std::wstring ProgramVersionLabel() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) {
        return VersionLabelText(0, 0, 0);
    }
    return VersionLabelText(HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                            LOWORD(info->dwFileVersionLS));
}

}  // namespace zarvanta
