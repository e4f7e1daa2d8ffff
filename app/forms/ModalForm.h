#pragma once
#include <windows.h>

#include <functional>

// What the program's secondary windows share: a fixed-size frame centred on the screen, an owner kept disabled
// while the window is open, and a message loop that runs until the window is gone.
namespace zarvanta {

struct FormFrame {
    const wchar_t* className;
    const wchar_t* caption;
    SIZE clientSize;
    DWORD style;
    DWORD exStyle;
};

// Registers a window class of the program once: arrow cursor, the given background (none for null).
void RegisterFormClass(const wchar_t* className, WNDPROC procedure, HBRUSH background);

// Registers the class on first use (button-face background, arrow cursor) and creates the frame over owner;
// creationData reaches the window procedure with WM_NCCREATE. Null on failure.
HWND CreateFormFrame(const FormFrame& frame, WNDPROC procedure, HWND owner, void* creationData);

// Keeps a modal window's owner disabled from Lock until Release or its own end. The owner is enabled again
// before the window goes, so that it, not another program, becomes active.
class OwnerLock {
public:
    OwnerLock() = default;
    ~OwnerLock() { Release(); }
    OwnerLock(const OwnerLock&) = delete;
    OwnerLock& operator=(const OwnerLock&) = delete;

    void Lock(HWND owner);
    void Release();

private:
    HWND owner_ = nullptr;
};

// Runs the messages until window (the owner's member, cleared when the window goes) is null. A message that
// preTranslate handles is not dispatched. A WM_QUIT ends the loop and is posted again for the outer loop.
void RunModalLoop(const HWND& window, const std::function<bool(MSG&)>& preTranslate);

}  // namespace zarvanta
