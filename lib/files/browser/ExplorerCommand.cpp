#include "ExplorerCommand.h"

namespace kx {
namespace {

bool IsDriveRoot(const std::wstring& path) { return path.size() == 3 && path[1] == L':' && path[2] == L'\\'; }

}  // namespace

std::wstring ExplorerCommandLine(const std::wstring& location) {
    std::wstring path = location;
    if (path.empty() || path.back() != L'\\') path.push_back(L'\\');
    const std::wstring program = L"Explorer.exe ";
    if (path == L"\\" || path == L"\\\\" || IsDriveRoot(path)) return program + path;
    path.pop_back();
    return program + L"\"" + path + L"\"";
}

}  // namespace kx
