#pragma once
#include <optional>

// The drop button of a control with a drop-down window: where the button and the text box go, and what
// a press and a release on it do. Plain code: the control draws the face and opens the window.
namespace kx {

struct PixelRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

// Where one control puts its button and text box; the lookup combo and the numeric input differ here only.
struct DropButtonGeometry {
    long leftToRightButtonLeft;  // the button's left edge for left-to-right text
    long rightToLeftInset;       // the button's distance from the right edge for right-to-left text
    long textGap;                // button width + gap = the room the text box leaves
};

constexpr DropButtonGeometry kComboDropButton = {0, 0, 2};
constexpr DropButtonGeometry kNumberDropButton = {1, 1, 3};

enum class DropButtonFace { Normal, Inactive, Pushed };

struct DropLayout {
    bool hasButton = false;
    PixelRect button;  // the button's rectangle; its last one when there is no button
    long textLeft = 0;
    long textWidth = 0;
    long textHeight = 0;
};

class DropButton {
public:
    explicit DropButton(const DropButtonGeometry& geometry) : geometry_(geometry) {}

    // The layout for the control's inner size; a simple combo (no button) keeps the last rectangle.
    DropLayout Place(long innerWidth, long innerHeight, long buttonWidth, bool rightToLeft, bool simple);
    const PixelRect& Rect() const { return rect_; }

    // A press (button 1 left) at x, in pixels: the face to draw, if any.
    std::optional<DropButtonFace> Press(short button, long x, bool enabled, bool locked) const;
    struct Released {
        std::optional<DropButtonFace> face;
        bool open = false;
    };
    Released Release(short button, long x, bool enabled, bool locked) const;

private:
    bool Over(long x) const { return rect_.left <= x && x <= rect_.right; }

    DropButtonGeometry geometry_;
    PixelRect rect_;
};

}  // namespace kx
