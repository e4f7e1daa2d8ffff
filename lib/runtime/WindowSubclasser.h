#pragma once
#include <windows.h>
#include <unknwn.h>

#include <vector>

// Per-window message hooks: a hook sits in front of a window's procedure, passes every message on
// and calls its owner back before and/or after that for the messages the owner registered.
namespace kx {

// The object the hooks call back; runs on the window's thread, inside its message processing.
// `handled` true in the before phase skips the previous procedure and the after phase.
class SubclassOwner {
public:
    virtual void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message,
                                  WPARAM& wParam, LPARAM& lParam) = 0;

protected:
    ~SubclassOwner() = default;
};

class WindowSubclasser {
public:
    enum When : int { kAfter = 1, kBefore = 2, kBoth = 3 };
    static constexpr long kEveryMessage = -1;

    // holder: the object the owner belongs to, held through each call that reaches the owner, so that a
    // handler inside it may drop the object's last outside reference; null when there is none to hold.
    explicit WindowSubclasser(SubclassOwner& owner, IUnknown* holder = nullptr) : owner_(owner), holder_(holder) {}
    ~WindowSubclasser() { UnsubclassAll(); }
    WindowSubclasser(const WindowSubclasser&) = delete;
    WindowSubclasser& operator=(const WindowSubclasser&) = delete;

    // Hooks the window; the record index, or -1 when the hook could not be installed (the window
    // then keeps its procedure). Subclassing a window twice chains two hooks.
    int Subclass(HWND window);
    // Registers a message (or kEveryMessage) for the window's callbacks; ignored for a window this
    // object has not hooked.
    void AddMessage(HWND window, long message, int when);
    void Unsubclass(HWND window);
    void UnsubclassAll();
    // The record of a hooked window, or a free record when adding; -1 when there is none.
    int FindWindowEntry(HWND window, bool forAdding) const;
    bool IsSubclassed(HWND window) const { return FindWindowEntry(window, false) >= 0; }

private:
    class Hook;
    struct Record {
        HWND window = nullptr;  // null: a free record
        Hook* hook = nullptr;
    };

    SubclassOwner& owner_;
    IUnknown* holder_;  // not counted: it owns this object
    std::vector<Record> records_;
};

}  // namespace kx
