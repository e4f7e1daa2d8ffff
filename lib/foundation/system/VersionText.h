#pragma once
#include <cstdint>
#include <string>

// The texts that the system information class makes of the platform's version numbers.
namespace kx {

// "WIN32", "WIN98" or "WINNT" for platform identifiers 0, 1 and 2; empty for any other.
std::wstring PlatformName(std::uint32_t platformId);

// Major and minor in decimal joined by ".", without padding ("5.2", "4.10").
std::wstring DottedVersion(std::uint32_t major, std::uint32_t minor);

// The two texts of a packed GetVersion value: Windows from the low word (major in its low byte),
// DOS from the high word taken as a signed 16-bit number (its high byte keeping the sign).
struct PackedVersionTexts {
    std::wstring windows;
    std::wstring dos;
};
PackedVersionTexts SplitPackedVersion(std::uint32_t packed);

}  // namespace kx
