#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <algorithm>

#include "GdiTestSupport.h"
#include "Handles.h"
#include "Korvix32_h.h"
#include "KxProgressBar.h"

// A progress bar outside any container, newly placed (InitNew), at a given size in pixels.
namespace kxtest {

class LooseProgressBar {
public:
    explicit LooseProgressBar(int width = 200, int height = 24, bool initNew = true) {
        if (initNew) {
            IPersistStreamInit* persist = nullptr;
            bar->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
            persist->InitNew();
            persist->Release();
        }
        Resize(width, height);
    }
    ~LooseProgressBar() { bar->Release(); }
    LooseProgressBar(const LooseProgressBar&) = delete;
    LooseProgressBar& operator=(const LooseProgressBar&) = delete;

    IOleObject* Ole() const { return static_cast<IOleObject*>(bar); }
    IDispatch* Dispatch() const { return static_cast<_kxProgressBar*>(bar); }
    HWND Window() const {
        HWND window = nullptr;
        IOleWindow* ole = nullptr;
        bar->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole));
        ole->GetWindow(&window);
        ole->Release();
        return window;
    }
    void Resize(int width, int height) const {
        SIZEL size = {MulDiv(width, 2540, 96), MulDiv(height, 2540, 96)};
        Ole()->SetExtent(DVASPECT_CONTENT, &size);
    }
    // The context the painters draw on, as the hdc get gives it.
    HDC Dc() const {
        LONG dc = 0;
        bar->get_hdc(&dc);
        return kx::HandleFromLong<HDC>(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(Dc(), x, y); }
    // Value in percent of the default range 0 .. 100, painted.
    void Show(long scrolling, double value) const {
        bar->put_Scrolling(static_cast<kxScrolling>(scrolling));
        bar->put_Value(value);
    }

    kx::KxProgressBar* bar = new kx::KxProgressBar();
};

// The shade LightenProgressColor gives: each channel moved toward white by amount / 255.
inline COLORREF Lighten(COLORREF colour, int amount) {
    auto channel = [amount](int c) { return static_cast<BYTE>(std::min(c * (255 - amount) / 255 + amount, 255)); };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

}  // namespace kxtest
