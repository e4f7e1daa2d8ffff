#include "BoxMouseSequence.h"

#include <olectl.h>

#include "ClassicInput.h"

namespace kx {

void BoxMouseSequence::Handle(UINT message, WPARAM keys, float x, float y, bool inside) {
    short button = ButtonOf(message);
    short shift = ShiftState();
    switch (message) {
        case WM_MOUSEMOVE:
            button = HeldButtons(keys);
            mouse_(ids_.mouseMove, button, shift, x, y);
            return;
        case WM_LBUTTONDBLCLK:
            pressedButtons_ |= 1;
            doubleClicked_ = true;
            event_(DISPID_DBLCLICK);
            return;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            pressedButtons_ |= button;
            doubleClicked_ = false;
            mouse_(ids_.mouseDown, button, shift, x, y);
            return;
        default: {
            const bool wasPressed = (pressedButtons_ & button) != 0;
            pressedButtons_ &= ~static_cast<UINT>(button);
            mouse_(ids_.mouseUp, button, shift, x, y);
            if (wasPressed && !doubleClicked_ && inside) event_(DISPID_CLICK);
            return;
        }
    }
}

}  // namespace kx
