#include "ListingRules.h"

#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kEveryFile = L"*.*";

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

std::vector<std::wstring> SplitAtBackslash(const std::wstring& path) {
    std::vector<std::wstring> parts;
    for (size_t start = 0;;) {
        const size_t end = path.find(L'\\', start);
        parts.push_back(path.substr(start, end - start));
        if (end == std::wstring::npos) return parts;
        start = end + 1;
    }
}

bool AdmitsEverything(const std::wstring& extension) { return extension == kEveryFile || extension == L".*"; }

}  // namespace

LocationKind KindOfLocation(const std::wstring& listed) {
    if (listed == L"\\") return LocationKind::Drives;
    if (listed == L"\\\\") return LocationKind::Network;
    if (StartsWith(listed, L"\\\\") && SplitAtBackslash(listed).size() == 4) return LocationKind::Server;
    return LocationKind::Folder;
}

std::vector<std::wstring> ExtensionsOfPattern(const std::wstring& pattern) {
    if (pattern.empty()) return {kEveryFile};
    std::vector<std::wstring> extensions;
    for (size_t start = 0; start < pattern.size();) {
        size_t end = pattern.find(L';', start);
        if (end == std::wstring::npos) end = pattern.size();
        const std::wstring piece = pattern.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) continue;
        const size_t dot = piece.find(L'.');
        extensions.push_back(dot == std::wstring::npos ? kEveryFile : piece.substr(dot));
    }
    if (extensions.empty()) extensions.push_back(kEveryFile);
    return extensions;
}

bool ExtensionsAdmit(const std::vector<std::wstring>& extensions, const std::wstring& fileName) {
    const std::wstring name = ToLowerText(fileName);
    for (const std::wstring& extension : extensions)
        if (AdmitsEverything(extension) || name.find(ToLowerText(extension)) != std::wstring::npos) return true;
    return false;
}

bool TypedPatternAdmits(const std::wstring& pattern, const std::wstring& fileName) {
    const size_t dot = pattern.find(L'.');
    return dot == std::wstring::npos || ExtensionsAdmit({pattern.substr(dot)}, fileName);
}

bool IsRootedFolder(const std::wstring& listed) {
    std::vector<std::wstring> parts = SplitAtBackslash(listed);
    size_t first;
    if (StartsWith(listed, L"\\\\")) {
        if (parts.size() < 5 || parts[2].empty() || parts[3].empty()) return false;
        first = 2;
    } else {
        if (listed.size() < 3 || listed[1] != L':' || listed[2] != L'\\') return false;
        const wchar_t drive = ToUpperText(listed.substr(0, 1))[0];
        if (drive < L'A' || drive > L'Z') return false;
        first = 1;
    }
    for (size_t i = first; i < parts.size(); ++i)
        if (parts[i] == L"." || parts[i] == L"..") return false;
    return true;
}

std::wstring PathAsRead(const std::wstring& stored) {
    std::wstring path = !stored.empty() && stored.back() == L'\\' ? stored : stored + L'\\';
    for (size_t at = 0; (at = path.find(L"\\\\\\\\", at)) != std::wstring::npos; at += 2) path.replace(at, 4, L"\\\\");
    return path;
}

}  // namespace kx
