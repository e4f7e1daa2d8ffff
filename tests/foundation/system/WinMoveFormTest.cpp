// kxWindow.WinMoveForm hands a left-button drag of any object's window to the window manager.
#include <gtest/gtest.h>

#include "ErrorInfo.h"
#include "Handles.h"
#include "KxWindow.h"
#include "ScriptObject.h"

namespace {

using kxtest::ScriptObject;

// Records the caption-drag request instead of entering the window manager's move loop.
WPARAM g_hitTest = 0;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDOWN) {
        g_hitTest = wParam;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(WinMoveForm, LeftButtonStartsACaptionDragOfTheObjectsWindow) {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = RecordingProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"KxDragRecorder";
    RegisterClassW(&cls);
    HWND hwnd = CreateWindowExW(0, cls.lpszClassName, L"drag me", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150,
                                nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    kx::KxWindow* window = new kx::KxWindow();
    // A form's Hwnd, and a script class's, whose names only IDispatchEx knows.
    for (const auto names : {ScriptObject::Names::ByGetIDsOfNames, ScriptObject::Names::ByGetDispIDOnly}) {
        ScriptObject form(names);
        form.AddLong(L"Hwnd", 1, kx::LongFromHandle(hwnd));
        IDispatch* formObject = &form;
        struct Case {
            short button;
            WPARAM hitTest;
        } cases[] = {{1, HTCAPTION}, {2, 0}, {0, 0}, {3, 0}};
        for (const Case& c : cases) {
            g_hitTest = 0;
            short button = c.button;
            EXPECT_EQ(S_OK, window->WinMoveForm(&formObject, &button));
            EXPECT_EQ(c.hitTest, g_hitTest) << "button " << c.button;
        }
    }
    window->Release();
    DestroyWindow(hwnd);
}

TEST(WinMoveForm, AnObjectWithoutAnHwndFailsWithTheRuntimesError) {
    kx::KxWindow* window = new kx::KxWindow();
    ScriptObject formless(ScriptObject::Names::ByGetDispIDOnly);
    struct Case {
        IDispatch* form;
        int error;
    } cases[] = {{nullptr, 91}, {&formless, 438}};
    for (const Case& c : cases) {
        IDispatch* form = c.form;
        short button = 1;
        EXPECT_EQ(kx::ErrorHResult(c.error), window->WinMoveForm(&form, &button));
    }
    window->Release();
}

}  // namespace
