#pragma once
#include "ButtonLook.h"

// The painters behind the table of looks, one per Style value.
namespace kx {

bool PaintNormalLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintSoftLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintFlatLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintJavaLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintOfficeXPLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintWindowsXPLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintWindowsThemeLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintPlastikLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintGalaxyLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintKeramikLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintMacOSXLook(const ButtonPainter& p, const ButtonFace& face);
bool PaintOffice2003Look(const ButtonPainter& p, const ButtonFace& face);
bool PaintVistaLook(const ButtonPainter& p, const ButtonFace& face);

}  // namespace kx
