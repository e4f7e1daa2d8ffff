#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>

// The classic order of a text box's mouse events as its control raises them: MouseDown, MouseUp, then Click
// when that button went down in the box and came up inside it; DblClick in place of the second MouseDown.
namespace kx {

class BoxMouseSequence {
public:
    struct EventIds {
        DISPID mouseDown;
        DISPID mouseMove;
        DISPID mouseUp;
    };
    using MouseRaiser = std::function<void(DISPID, short& button, short& shift, float& x, float& y)>;
    using EventRaiser = std::function<void(DISPID)>;

    BoxMouseSequence(EventIds ids, MouseRaiser mouse, EventRaiser event)
        : ids_(ids), mouse_(std::move(mouse)), event_(std::move(event)) {}

    // One mouse message of the box, x and y as the events give them; inside: whether it is over the box.
    void Handle(UINT message, WPARAM keys, float x, float y, bool inside);

private:
    EventIds ids_;
    MouseRaiser mouse_;
    EventRaiser event_;
    UINT pressedButtons_ = 0;
    bool doubleClicked_ = false;
};

}  // namespace kx
