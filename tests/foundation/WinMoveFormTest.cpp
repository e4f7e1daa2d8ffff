// kxWindow.WinMoveForm hands a left-button drag of any object's window to the window manager.
#include <gtest/gtest.h>

#include "Handles.h"
#include "KxWindow.h"

namespace {

// An automation object whose only member is the Hwnd property, as a form offers it.
class FormStub : public IDispatch {
public:
    explicit FormStub(HWND hwnd) : hwnd_(hwnd) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (lstrcmpiW(names[0], L"Hwnd") != 0) return DISP_E_UNKNOWNNAME;
        ids[0] = 1;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
        if (id != 1 || !result) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_I4;
        result->lVal = kx::LongFromHandle(hwnd_);
        return S_OK;
    }

private:
    HWND hwnd_;
};

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
    FormStub form(hwnd);
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
    window->Release();
    DestroyWindow(hwnd);
}

}  // namespace
