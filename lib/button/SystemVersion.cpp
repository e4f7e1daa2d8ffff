#include "SystemVersion.h"

#include "KxSystemInfo.h"
#include "Text.h"

namespace kx {

// One kxSystemInfo for the question, released at once (its creation refreshes its monitor list).
std::wstring SystemVersion() {
    auto* info = new KxSystemInfo();
    BSTR build = nullptr;
    BSTR version = nullptr;
    BSTR platform = nullptr;
    std::wstring result;
    if (SUCCEEDED(info->GetOSVersion(&build, &version, &platform)) && version) result = FromBstr(version);
    SysFreeString(build);
    SysFreeString(version);
    SysFreeString(platform);
    info->Release();
    return result;
}

}  // namespace kx
