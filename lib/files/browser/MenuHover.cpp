#include "MenuHover.h"

#include "DrawingModule.h"

namespace kx {

HoverColors HoverColorsFor(long backColor) {
    return {ColorOffset(backColor, 16), ColorOffset(backColor, -32), ColorOffset(backColor, -64)};
}

void PaintMenuEntry(HDC dc, int width, int height, long backColor, bool highlighted) {
    FillRectColor(dc, 0, 0, width, height, TranslateOleColor(backColor));
    if (!highlighted) return;
    const HoverColors colors = HoverColorsFor(backColor);
    DrawGradient(dc, 0, 0, width, height, colors.top, colors.bottom, 255, 255, true);
    DrawFrameRect(dc, 0, 0, width - 1, height - 1, colors.outline);
}

}  // namespace kx
