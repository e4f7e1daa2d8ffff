#include "MenuHover.h"

#include "DrawingModule.h"

namespace kx {

HoverColors HoverColorsFor(long backColor) {
    return {ColorOffset(backColor, 16), ColorOffset(backColor, -32), ColorOffset(backColor, -64)};
}

}  // namespace kx
