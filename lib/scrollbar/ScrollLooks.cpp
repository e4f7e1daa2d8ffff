#include "ScrollLook.h"

#include "Korvix32_h.h"

namespace kx {
namespace {

struct StyleRow {
    long style;
    ScrollLook look;
};

// Windows XP, Windows Theme, Plastik, Galaxy and Office 2003 size their thumbs here; their painters are not
// built yet, so they draw nothing.
const StyleRow kLooks[] = {
    {kxSBNormal, {8, 0, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBSoft, {8, 0, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBFlat, {8, 0, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBJava, {8, 2, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBOfficeXP, {8, 1, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBWindowsXP, {20, 0, 1, nullptr, nullptr, nullptr, nullptr}},
    {kxSBWindowsTheme, {20, 0, 1, nullptr, nullptr, nullptr, nullptr}},
    {kxSBPlastik, {20, 0, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBGalaxy, {20, 0, 0, nullptr, nullptr, nullptr, nullptr}},
    {kxSBOffice2003, {20, 0, 0, nullptr, nullptr, nullptr, nullptr}},
};

}  // namespace

const ScrollLook* ScrollLookOf(long style) {
    for (const StyleRow& row : kLooks)
        if (row.style == style) return &row.look;
    return nullptr;
}

}  // namespace kx
