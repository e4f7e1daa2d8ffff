#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The main window's click zones: transparent areas over the skin, each with an optional tooltip.
namespace zarvanta {

enum class ZoneKind { Calculator, Option, Close, Minimise, MailLink, WebLink };

struct HotZone {
    ZoneKind kind;
    int index;  // the calculator operation or the option; 0 for the others
    RECT bounds;
    std::wstring tooltip;
};

class HotZones {
public:
    HotZones();

    const std::vector<HotZone>& All() const { return zones_; }
    // The zone under a point of the window, or null.
    const HotZone* At(POINT point) const;
    static bool IsLink(const HotZone& zone) { return zone.kind == ZoneKind::MailLink || zone.kind == ZoneKind::WebLink; }

    // One tooltip window for all zones that have a tooltip; destroyed with the owner.
    void AddTooltips(HWND owner);

private:
    std::vector<HotZone> zones_;
};

}  // namespace zarvanta
