#include "DropButton.h"

namespace kx {

DropLayout DropButton::Place(long innerWidth, long innerHeight, long buttonWidth, bool rightToLeft, bool simple) {
    DropLayout layout;
    layout.textHeight = innerHeight;
    if (simple) {
        layout.button = rect_;
        layout.textWidth = innerWidth;
        return layout;
    }
    rect_.top = 0;
    rect_.bottom = innerHeight;
    if (rightToLeft) {
        rect_.left = innerWidth - buttonWidth;
        rect_.right = innerWidth - geometry_.rightToLeftInset;
        layout.textLeft = 0;
    } else {
        rect_.left = geometry_.leftToRightButtonLeft;
        rect_.right = buttonWidth + geometry_.leftToRightButtonLeft;
        layout.textLeft = buttonWidth + geometry_.textGap;
    }
    layout.textWidth = innerWidth - buttonWidth - geometry_.textGap;
    if (layout.textWidth < 0) layout.textWidth = 0;
    layout.hasButton = true;
    layout.button = rect_;
    return layout;
}

// The vertical position is not tested: the surface only gets the mouse beside the text box.
std::optional<DropButtonFace> DropButton::Press(short button, long x, bool enabled, bool locked) const {
    if (!enabled || locked || button != 1 || !Over(x)) return std::nullopt;
    return DropButtonFace::Pushed;
}

DropButton::Released DropButton::Release(short button, long x, bool enabled, bool locked) const {
    if (!enabled || locked) return {};
    return {DropButtonFace::Normal, button == 1 && Over(x)};
}

}  // namespace kx
