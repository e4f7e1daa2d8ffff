#pragma once
#include "ScrollLook.h"

// The painters of the Windows XP, Windows Theme, Plastik, Galaxy and Office 2003 looks, one family a file;
// each reads the bar's direction from the paint.
namespace kx {

void PaintWindowsXPAll(const ScrollPaint& paint);
void PaintWindowsXPPart(const ScrollPaint& paint, int part);
void PaintWindowsThemeAll(const ScrollPaint& paint);
void PaintWindowsThemePart(const ScrollPaint& paint, int part);
void PaintPlastikAll(const ScrollPaint& paint);
void PaintPlastikPart(const ScrollPaint& paint, int part);
void PaintGalaxyAll(const ScrollPaint& paint);
void PaintGalaxyPart(const ScrollPaint& paint, int part);
void PaintOffice2003All(const ScrollPaint& paint);
void PaintOffice2003Part(const ScrollPaint& paint, int part);

}  // namespace kx
