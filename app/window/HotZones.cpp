#include "HotZones.h"

#include <commctrl.h>

#include "MainWindowLayout.h"
#include "engine/AbjadOptions.h"

namespace zarvanta {

namespace {

constexpr const wchar_t* kCalculatorTips[] = {L"Reset", L"Add", L"Subrtraction", L"Muliply", L"Divide", L"Remain"};

}  // namespace

HotZones::HotZones() {
    using namespace layout;
    for (int i = 0; i < kCalculatorZones; ++i)
        zones_.push_back({ZoneKind::Calculator, i, CalculatorZone(i), kCalculatorTips[i]});
    for (int i = 0; i < kOptionZones; ++i)
        zones_.push_back({ZoneKind::Option, i, OptionZone(i), std::wstring(AbjadOptions::NameOf(i))});
    zones_.push_back({ZoneKind::Close, 0, kCloseZone, L"Close"});
    zones_.push_back({ZoneKind::Minimise, 0, kMinimiseZone, L"Minimize"});
    zones_.push_back({ZoneKind::MailLink, 0, kMailLinkZone, L""});
    zones_.push_back({ZoneKind::WebLink, 0, kWebLinkZone, L""});
}

const HotZone* HotZones::At(POINT point) const {
    for (const HotZone& zone : zones_)
        if (PtInRect(&zone.bounds, point)) return &zone;
    return nullptr;
}

void HotZones::AddTooltips(HWND owner) {
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tips) return;
    UINT id = 1;
    for (HotZone& zone : zones_) {
        if (zone.tooltip.empty()) continue;
        TOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every common-controls version
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = id++;
        tool.rect = zone.bounds;
        tool.lpszText = zone.tooltip.data();
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace zarvanta
