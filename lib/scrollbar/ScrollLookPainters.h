#pragma once
#include "ScrollLook.h"

// The painters of the looks, one family a file; each reads the bar's direction from the paint.
namespace kx {

void PaintNormalAll(const ScrollPaint& paint);
void PaintNormalPart(const ScrollPaint& paint, int part);
void PaintSoftAll(const ScrollPaint& paint);
void PaintSoftPart(const ScrollPaint& paint, int part);
void PaintFlatAll(const ScrollPaint& paint);
void PaintFlatPart(const ScrollPaint& paint, int part);
void PaintJavaAll(const ScrollPaint& paint);
void PaintJavaPart(const ScrollPaint& paint, int part);
void PaintOfficeXPAll(const ScrollPaint& paint);
void PaintOfficeXPPart(const ScrollPaint& paint, int part);

}  // namespace kx
