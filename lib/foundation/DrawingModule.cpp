#include "DrawingModule.h"

#include <olectl.h>

namespace kx {

long TranslateOleColor(long color) {
    COLORREF result = 0;
    if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(color), nullptr, &result))) return -1;
    return static_cast<long>(result);
}

}  // namespace kx
