#include "TrayIcon.h"

#include <cstring>
#include <string>
#include <utility>

namespace kx {
namespace {

NotifyIconCall& InstalledCall() {
    static NotifyIconCall call;
    return call;
}

// The classic runtime's Rnd: a 24-bit linear congruential sequence from its fixed seed.
double NextRandom() {
    static unsigned long state = 0x50000;
    state = (state * 0x43FD43FDUL + 0xC39EC3UL) & 0xFFFFFFUL;
    return static_cast<double>(state) / 16777216.0;
}

}  // namespace

void SetNotifyIconCall(NotifyIconCall call) { InstalledCall() = std::move(call); }

BOOL NotifyIcon(DWORD message, const NOTIFYICONDATAA& record) {
    if (InstalledCall()) return InstalledCall()(message, record);
    NOTIFYICONDATAA copy = record;
    return Shell_NotifyIconA(message, &copy);
}

void FillTrayTooltip(NOTIFYICONDATAA& record, const std::wstring& text) {
    constexpr size_t kField = 64;  // the first record's field; the later forms' longer one is not sent
    std::string converted;
    if (!text.empty()) {
        const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
        converted.resize(static_cast<size_t>(size > 0 ? size : 0));
        if (size > 0)
            WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), converted.data(), size,
                                nullptr, nullptr);
    }
    const size_t length = converted.size() < kField - 1 ? converted.size() : kField - 1;
    std::memset(record.szTip, ' ', kField);
    std::memcpy(record.szTip, converted.data(), length);
    record.szTip[length] = '\0';
}

UINT NextTrayIdentifier() { return static_cast<UINT>(NextRandom() * 65535.0 + 1.0); }

bool ReadTrayRect(RECT& rect) {
    const HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    const HWND notify = tray ? FindWindowExA(tray, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    const HWND pager = notify ? FindWindowExA(notify, nullptr, "SysPager", nullptr) : nullptr;
    return pager && GetWindowRect(pager, &rect);
}

}  // namespace kx
