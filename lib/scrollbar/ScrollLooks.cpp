#include "ScrollLook.h"

#include "Korvix32_h.h"
#include "ScrollLookPainters.h"
#include "ScrollThemeLookPainters.h"

namespace kx {
namespace {

struct StyleRow {
    long style;
    ScrollLook look;
};

const StyleRow kLooks[] = {
    {kxSBNormal, {8, 0, 0, PaintNormalAll, PaintNormalAll, PaintNormalPart, PaintNormalPart}},
    {kxSBSoft, {8, 0, 0, PaintSoftAll, PaintSoftAll, PaintSoftPart, PaintSoftPart}},
    {kxSBFlat, {8, 0, 0, PaintFlatAll, PaintFlatAll, PaintFlatPart, PaintFlatPart}},
    {kxSBJava, {8, 2, 0, PaintJavaAll, PaintJavaAll, PaintJavaPart, PaintJavaPart}},
    {kxSBOfficeXP, {8, 1, 0, PaintOfficeXPAll, PaintOfficeXPAll, PaintOfficeXPPart, PaintOfficeXPPart}},
    {kxSBWindowsXP, {20, 0, 1, PaintWindowsXPAll, PaintWindowsXPAll, PaintWindowsXPPart, PaintWindowsXPPart}},
    {kxSBWindowsTheme,
     {20, 0, 1, PaintWindowsThemeAll, PaintWindowsThemeAll, PaintWindowsThemePart, PaintWindowsThemePart}},
    {kxSBPlastik, {20, 0, 0, PaintPlastikAll, PaintPlastikAll, PaintPlastikPart, PaintPlastikPart}},
    {kxSBGalaxy, {20, 0, 0, PaintGalaxyAll, PaintGalaxyAll, PaintGalaxyPart, PaintGalaxyPart}},
    {kxSBOffice2003, {20, 0, 0, PaintOffice2003All, PaintOffice2003All, PaintOffice2003Part, PaintOffice2003Part}},
};

}  // namespace

const ScrollLook* ScrollLookOf(long style) {
    for (const StyleRow& row : kLooks)
        if (row.style == style) return &row.look;
    return nullptr;
}

}  // namespace kx
