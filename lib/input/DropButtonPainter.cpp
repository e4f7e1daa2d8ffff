#include "DropButtonPainter.h"

namespace kx {
namespace {

UINT FrameState(DropButtonFace face) {
    switch (face) {
        case DropButtonFace::Inactive: return DFCS_SCROLLDOWN | DFCS_INACTIVE;         // 257
        case DropButtonFace::Pushed: return DFCS_SCROLLDOWN | DFCS_PUSHED | DFCS_FLAT;  // 0x4201
        default: return DFCS_SCROLLDOWN;                                                 // 1
    }
}

}  // namespace

void PaintDropButton(HDC dc, const PixelRect& rect, DropButtonFace face) {
    RECT r = {static_cast<LONG>(rect.left), static_cast<LONG>(rect.top), static_cast<LONG>(rect.right),
              static_cast<LONG>(rect.bottom)};
    DrawFrameControl(dc, &r, DFC_SCROLL, FrameState(face));
}

long DropButtonWidth() { return static_cast<short>(GetSystemMetrics(SM_CYVTHUMB)); }

}  // namespace kx
