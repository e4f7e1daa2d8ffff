#include "ModalForm.h"

namespace zarvanta {

void RegisterFormClass(const wchar_t* className, WNDPROC procedure, HBRUSH background) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {sizeof windowClass};
    if (GetClassInfoExW(instance, className, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

HWND CreateFormFrame(const FormFrame& frame, WNDPROC procedure, HWND owner, void* creationData) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFormClass(frame.className, procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT bounds = {0, 0, frame.clientSize.cx, frame.clientSize.cy};
    AdjustWindowRectEx(&bounds, frame.style, FALSE, frame.exStyle);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateWindowExW(frame.exStyle, frame.className, frame.caption, frame.style, x, y, width, height, owner,
                           nullptr, instance, creationData);
}

void OwnerLock::Lock(HWND owner) {
    if (owner_ || !owner || !IsWindowEnabled(owner)) return;
    EnableWindow(owner, FALSE);
    owner_ = owner;
}

void OwnerLock::Release() {
    if (!owner_) return;
    EnableWindow(owner_, TRUE);
    owner_ = nullptr;
}

void RunModalLoop(const HWND& window, const std::function<bool(MSG&)>& preTranslate) {
    MSG message;
    while (window) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) return;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (preTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace zarvanta
