#pragma once
#include <windows.h>
#include <ocidl.h>

#include <memory>
#include <string>

#include "AlertGeometry.h"
#include "AlertLayout.h"
#include "AlertScreen.h"
#include "AlertSettings.h"

namespace kx {

class ControlHost;
class ControlSite;
class DrawingSurface;

// frmAlertWindow: the pop-up alert. A borderless tool window with an optional title band, picture,
// message and up to three kxButtons over a solid or gradient ground inside a rectangular, rounded or
// elliptic outline. A front end makes itself the Owner and calls ShowForm; the window slides, fades or
// zooms in near the taskbar, and a click on a button sets the owner's ButtonSelect by name and closes it.
// Any unload request of a shown window plays the show backwards first.
//
// Reference-counted: a loaded window holds itself (and counts as a live object of the library) until its
// final unload, which also lets go of its owner, font and picture. The thread's shared window is held by
// the library for good.
class AlertWindow {
public:
    static constexpr UINT_PTR kMoveTimer = 1;   // timMove, 25 ms
    static constexpr UINT_PTR kCloseTimer = 2;  // timClose

    // The thread's shared window, made on first use; not add-ref'd.
    static AlertWindow* Shared();
    // A window of its own (SeparateWindow); the caller holds the one reference.
    static AlertWindow* Create();
    // Whether a loaded window of this thread has the object as its Owner.
    static bool AnyLoadedWindowOwnedBy(IDispatch* owner);

    void AddRef() { ++refs_; }
    void Release();

    bool IsLoaded() const { return window_ != nullptr; }
    bool IsVisible() const { return window_ && IsWindowVisible(window_); }
    void SetOwner(IDispatch* owner);
    IDispatch* Owner() const { return owner_; }  // not add-ref'd
    // Copies the settings in, sizes, lays out and shapes the window and starts the show; writes the
    // image's device context and the window's handle. Error 6 for a show too long or a caption row too wide.
    void ShowForm(const AlertSettings& settings, long& hdc, long& hwnd);
    // An unload request: a shown (or showing) window starts to hide, any other one closes at once.
    void Unload();

    // For tests: the window's state and parts.
    HWND Hwnd() const { return window_; }
    HWND ButtonWindow(int index) const;
    short StepCount() const { return stepCount_; }
    long ShowState() const { return showState_; }
    long TickCount() const { return tickCount_; }
    TwipsPoint Target() const { return target_; }
    AlertEffects Effects() const { return effects_; }
    const AlertContent& Content() const { return content_; }
    const AlertPlaces& Places() const { return places_; }
    bool ClickClose() const { return clickClose_; }
    float TimeToClose() const { return timeToClose_; }
    HDC ImageDc() const;
    double TwipsPerPixelX() const { return screen_.twipsPerPixelX; }
    double TwipsPerPixelY() const { return screen_.twipsPerPixelY; }

private:
    explicit AlertWindow(bool shared);
    ~AlertWindow();
    AlertWindow(const AlertWindow&) = delete;
    AlertWindow& operator=(const AlertWindow&) = delete;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Load();
    void PlaceButtons();
    void FinalUnload();

    // Contents, size, layout and looks (AlertWindow.cpp).
    void StoreSettings(const AlertSettings& settings);
    void SetCaptions(const AlertSettings& settings);
    void SetButtons(const AlertSettings& settings);
    void SizeWindow();
    void Layout();
    void ApplyWindowShape();
    void PaintBackground();
    void PaintTo(HDC dc);
    void FocusFirstButton();
    void OnClick(POINT at);
    void OnButtonClick(int index);
    void OnCloseTimer();

    // Placement and animation (AlertAnimation.cpp).
    void PlaceAndPrepareAnimation();
    void OnMoveTimer();
    void PlayFrame();
    void FinishShow();
    void SetAlpha(long alpha, bool onlyIfFading);
    void MoveWindowTo(long left, long top);
    void SizeWindowTo(long width, long height);
    void MakeVisible();
    TwipsPoint PlaceTwips() const;
    std::int32_t WidthTwips() const;
    std::int32_t HeightTwips() const;
    void SetPlaceTwips(TwipsPoint place);
    int ToPixelsX(double twips) const;
    int ToPixelsY(double twips) const;

    const bool shared_;
    long refs_ = 1;
    HWND window_ = nullptr;
    std::unique_ptr<DrawingSurface> image_;
    ControlHost* host_ = nullptr;
    ControlSite* buttons_[3] = {};
    AlertScreen screen_;

    IDispatch* owner_ = nullptr;
    IFontDisp* font_ = nullptr;
    IPictureDisp* picture_ = nullptr;
    std::wstring text_;
    std::wstring textTitle_;
    long backColor_ = 0;
    long foreColor_ = 0;
    bool rightToLeft_ = false;
    AlertContent content_;
    AlertPlaces places_;

    short maxTransparent_ = 255;
    long backStyle_ = 0;
    long showPosition_ = 0;
    long borderStyle_ = 0;
    bool clickClose_ = false;
    float timeToClose_ = 0;
    bool autoSize_ = false;
    long windowWidth_ = 0;
    long windowHeight_ = 0;
    long showStyle_ = 0;
    short defaultButton_ = 0;
    short stepCount_ = 1;
    long showState_ = -1;
    TwipsPoint target_;
    AlertEffects effects_;
    AlertSteps steps_;
    long tickCount_ = 0;

    unsigned long shows_ = 0;  // ShowForm calls, so a click unloads only the show it belongs to
    bool layingOut_ = false;
    bool pressed_ = false;
};

}  // namespace kx
