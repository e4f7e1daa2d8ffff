#include "PathParts.h"

namespace kx {

PathParts SplitPath(const std::wstring& fullName) {
    const size_t slash = fullName.rfind(L'\\');
    const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
    const size_t dot = fullName.find(L'.', nameStart);
    PathParts parts;
    if (slash != std::wstring::npos) parts.folder = fullName.substr(0, slash);
    if (dot == std::wstring::npos) {
        parts.name = fullName.substr(nameStart);
    } else {
        parts.name = fullName.substr(nameStart, dot - nameStart);
        parts.extension = fullName.substr(dot + 1);
    }
    return parts;
}

std::wstring WithTrailingBackslash(const std::wstring& folder) {
    if (folder.empty() || folder.back() == L'\\') return folder;
    return folder + L'\\';
}

}  // namespace kx
