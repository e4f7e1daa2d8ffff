#pragma once

// The clock, the held left button and the yields that the scroll bar's repeat loops run on; tests replace it.
namespace kx {

class ScrollPacing {
public:
    virtual ~ScrollPacing() = default;
    // Seconds on a clock that never goes back.
    virtual double Now() = 0;
    // Whether the physical left button is down now (the right one when the buttons are swapped).
    virtual bool LeftButtonHeld() = 0;
    // Handles the thread's waiting messages and returns.
    virtual void HandleMessages() = 0;
    // Handles the thread's messages for about seconds, sleeping while none arrive.
    virtual void Wait(double seconds) = 0;
};

// The real one: the monotonic clock, the asynchronous key state and the message queue.
ScrollPacing& SystemPacing();

}  // namespace kx
