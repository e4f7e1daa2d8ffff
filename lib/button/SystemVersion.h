#pragma once
#include <string>

namespace kx {

// The system's major and minor version joined by "." as kxSystemInfo.GetOSVersion gives it;
// empty when the system query fails.
std::wstring SystemVersion();

}  // namespace kx
