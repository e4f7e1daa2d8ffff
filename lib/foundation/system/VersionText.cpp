#include "VersionText.h"

namespace kx {

std::wstring PlatformName(std::uint32_t platformId) {
    switch (platformId) {
        case 0: return L"WIN32";
        case 1: return L"WIN98";
        case 2: return L"WINNT";
        default: return L"";
    }
}

std::wstring DottedVersion(std::uint32_t major, std::uint32_t minor) {
    return std::to_wstring(major) + L"." + std::to_wstring(minor);
}

PackedVersionTexts SplitPackedVersion(std::uint32_t packed) {
    const auto high = static_cast<std::int16_t>(packed >> 16);
    const int dosMajor = high >> 8;  // arithmetic: a negative high word keeps its sign
    const int dosMinor = high & 0xFF;
    return {DottedVersion(packed & 0xFF, (packed & 0xFF00) >> 8),
            std::to_wstring(dosMajor) + L"." + std::to_wstring(dosMinor)};
}

}  // namespace kx
