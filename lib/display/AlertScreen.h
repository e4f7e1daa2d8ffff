#pragma once
#include <windows.h>

#include <optional>

#include "AlertGeometry.h"

// The primary screen as the alert window's placement sees it, in twips.
namespace kx {

struct AlertScreen {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    std::int32_t width = 0;   // twips
    std::int32_t height = 0;  // twips
    TwipsRect workArea;       // the system's own, twips
    std::optional<TwipsRect> taskbar;
};

// The taskbar's rectangle in pixels: the newest window of the class "Shell_traywnd", when it is visible.
std::optional<RECT> TaskbarRect();
AlertScreen ReadAlertScreen();

}  // namespace kx
