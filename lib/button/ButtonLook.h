#pragma once
#include "ButtonPainter.h"

// The thirteen looks of the button: one table from Style to painter and caption margin.
namespace kx {

// Button states, the numbers of the visual-styles push-button states.
enum LookState : long { kLookNormal = 1, kLookHot = 2, kLookPressed = 3, kLookDisabled = 4 };

// What a look reads from the button; the state is already settled by the paint frame.
struct ButtonFace {
    long state = kLookNormal;
    bool hasFocus = false;
    bool showFocus = false;
    bool useCustomColors = false;
    LookColor backColor = 0;       // the plain back colour, -1 when it could not be translated
    LookColor highlightColor = 0;  // HighlightColor as the button holds it (may be a system colour)

    bool Is(LookState s) const { return state == s; }
    // BC: the plain back colour with custom colours, else the system button face.
    LookColor BackOrButtonFace() const;
    // HighlightColor translated to a plain colour, -1 when it cannot be.
    LookColor PlainHighlight() const;
};

// Draws the face of one look; false when it could not draw at all (WindowsTheme without a theme).
using LookPainter = bool (*)(const ButtonPainter&, const ButtonFace&);

struct ButtonLook {
    LookPainter paint;  // null: no face
    long margin;        // caption and icon margin of the paint frame, in pixels
};

// The look of a Style value; an unknown value has no face and the margin 5.
ButtonLook LookOfStyle(long style);

// The system colour of an index (COLOR_BTNFACE ...), as a look colour.
LookColor SystemColor(int index);

}  // namespace kx
