#include "ButtonLook.h"

#include <iterator>

#include "ButtonColor.h"
#include "ButtonLookPainters.h"

namespace kx {
namespace {

// Indexed by Style: the painter of each look and the caption margin that goes with it.
constexpr ButtonLook kLooks[] = {
    {PaintNormalLook, 5},        // kxBtnNormal
    {PaintSoftLook, 5},          // kxBtnSoft
    {PaintFlatLook, 5},          // kxBtnFlat
    {PaintJavaLook, 7},          // kxBtnJava
    {PaintOfficeXPLook, 5},      // kxBtnOfficeXP
    {PaintWindowsXPLook, 5},     // kxBtnWindowsXP
    {PaintWindowsThemeLook, 7},  // kxBtnWindowsTheme
    {PaintPlastikLook, 5},       // kxBtnPlastik
    {PaintGalaxyLook, 7},        // kxBtnGalaxy
    {PaintKeramikLook, 10},      // kxBtnKeramik
    {PaintMacOSXLook, 10},       // kxBtnMacOSX
    {PaintOffice2003Look, 5},    // kxBtnOffice2003
    {PaintVistaLook, 5},         // kxBtnVista
};

}  // namespace

LookColor SystemColor(int index) { return static_cast<LookColor>(GetSysColor(index)); }

LookColor ButtonFace::BackOrButtonFace() const { return useCustomColors ? backColor : SystemColor(COLOR_BTNFACE); }

LookColor ButtonFace::PlainHighlight() const { return TranslateButtonColor(static_cast<OLE_COLOR>(highlightColor)); }

ButtonLook LookOfStyle(long style) {
    if (style < 0 || style >= static_cast<long>(std::size(kLooks))) return {nullptr, 5};
    return kLooks[style];
}

}  // namespace kx
