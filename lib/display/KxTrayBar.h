#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "Control.h"
#include "Korvix32_h.h"
#include "TrayAnimation.h"
#include "WindowTimer.h"

namespace kx {

// kxTrayBar: one icon in the notification area while the host runs, with a tooltip, an animation
// through the images of the host's image list (used late-bound: ListImages.Count and
// ListImages(i).Picture) and the icon's mouse actions as events. The icon keeps one identifier for
// the control's life: it is added when not in the area, changed only while in it, and removed with
// the identifier it was added under. In the designer the control is a fixed 48 x 48 face.
class KxTrayBar : public Control<_kxTrayBar> {
public:
    KxTrayBar();
    ~KxTrayBar() override;

    STDMETHODIMP get_VisibleOnTray(VARIANT_BOOL* VisibleOnTray) override;
    STDMETHODIMP put_VisibleOnTray(VARIANT_BOOL VisibleOnTray) override;
    STDMETHODIMP get_Picture(IPictureDisp** Picture) override;
    STDMETHODIMP putref_Picture(IPictureDisp* Picture) override;
    STDMETHODIMP get_ToolTipText(BSTR* ToolTipText) override;
    STDMETHODIMP put_ToolTipText(BSTR ToolTipText) override;
    STDMETHODIMP RefreshTrayIcon() override;
    STDMETHODIMP get_ImageList(IDispatch** ImageList) override;
    STDMETHODIMP putref_ImageList(IDispatch* ImageList) override;
    STDMETHODIMP get_Interval(LONG* Interval) override;
    STDMETHODIMP put_Interval(LONG Interval) override;
    STDMETHODIMP get_Animate(VARIANT_BOOL* Animate) override;
    STDMETHODIMP put_Animate(VARIANT_BOOL Animate) override;
    STDMETHODIMP get_AutoReverse(VARIANT_BOOL* AutoReverse) override;
    STDMETHODIMP put_AutoReverse(VARIANT_BOOL AutoReverse) override;
    STDMETHODIMP About() override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_IconhWnd(LONG* IconhWnd) override;
    STDMETHODIMP get_TrayBarRectLeft(LONG* TrayBarRectLeft) override;
    STDMETHODIMP get_TrayBarRectTop(LONG* TrayBarRectTop) override;
    STDMETHODIMP get_TrayBarRectRight(LONG* TrayBarRectRight) override;
    STDMETHODIMP get_TrayBarRectBottom(LONG* TrayBarRectBottom) override;

    // For tests: one step of the animation, as a tick of the timer gives it.
    void AnimationStep() { timer_.Tick(); }
    bool AnimationRunning() const { return timer_.Running(); }

protected:
    DWORD MiscStatus() const override;
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Show() override;
    void Terminate() override;
    void MouseMove(short button, short shift, float x, float y) override;

private:
    void UpdateTrayIcon();
    void ChooseFirstImage();
    void AddOrModify();
    void Modify(UINT flags);
    void Remove();
    void Step();
    long ImageCount() const;
    IPictureDisp* Image(long number) const;  // counted from 1; a new reference
    void KeepEmptyPicture();
    void DrawFace();
    void RaiseButtonEvent(DISPID event, short button);

    bool visibleOnTray_ = true;
    IPictureDisp* picture_ = nullptr;
    std::wstring toolTipText_;
    IDispatch* imageList_ = nullptr;
    bool animate_ = false;
    bool autoReverse_ = false;
    bool enabled_ = true;
    NOTIFYICONDATAA record_ = {};
    bool inTray_ = false;
    RECT trayRect_ = {};
    TrayAnimation animation_;
    WindowTimer timer_;
};

}  // namespace kx
