#pragma once
#include <string>

#include "ButtonLook.h"
#include "ButtonTooltip.h"
#include "Korvix32_h.h"
#include "MouseLeaveTracker.h"
#include "StandardControl.h"
#include "WindowSubclasser.h"

namespace kx {

// kxButton: the owner-drawn push button, or a two-state check box (ButtonType 1).
class KxButton : public StandardControl<_kxButton>, private SubclassOwner {
public:
    // Button states, the numbers of the visual-styles push-button states.
    enum State : long { kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4 };

    KxButton();
    ~KxButton() override;

    STDMETHODIMP zSubclass_Proc(VARIANT_BOOL bBefore, VARIANT_BOOL* bHandled, LONG* lReturn, LONG* lng_hWnd,
                                LONG* uMsg, LONG* wParam, LONG* lParam) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP put_Style(kxBtnStyle Style) override;
    STDMETHODIMP get_Style(kxBtnStyle* Style) override;
    STDMETHODIMP put_Caption(BSTR Caption) override;
    STDMETHODIMP get_Caption(BSTR* Caption) override;
    STDMETHODIMP putref_Icon(IPictureDisp* Icon) override;
    STDMETHODIMP get_Icon(IPictureDisp** Icon) override;
    STDMETHODIMP put_IconAlign(kxBtnAlignment IconAlign) override;
    STDMETHODIMP get_IconAlign(kxBtnAlignment* IconAlign) override;
    STDMETHODIMP put_IconSize(short IconSize) override;
    STDMETHODIMP get_IconSize(short* IconSize) override;
    STDMETHODIMP put_CaptionAlign(kxBtnAlignment CaptionAlign) override;
    STDMETHODIMP get_CaptionAlign(kxBtnAlignment* CaptionAlign) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_ShowFocus(VARIANT_BOOL* ShowFocus) override;
    STDMETHODIMP get_ShowFocus(VARIANT_BOOL* ShowFocus) override;
    STDMETHODIMP put_UseCustomColors(VARIANT_BOOL* UseCustomColors) override;
    STDMETHODIMP get_UseCustomColors(VARIANT_BOOL* UseCustomColors) override;
    STDMETHODIMP put_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_HighlightColor(OLE_COLOR* HighlightColor) override;
    STDMETHODIMP get_HighlightColor(OLE_COLOR* HighlightColor) override;
    STDMETHODIMP put_FontColor(OLE_COLOR* FontColor) override;
    STDMETHODIMP get_FontColor(OLE_COLOR* FontColor) override;
    STDMETHODIMP put_FontHighlightColor(OLE_COLOR* FontHighlightColor) override;
    STDMETHODIMP get_FontHighlightColor(OLE_COLOR* FontHighlightColor) override;
    STDMETHODIMP put_ToolTipBody(BSTR* ToolTipBody) override;
    STDMETHODIMP get_ToolTipBody(BSTR* ToolTipBody) override;
    STDMETHODIMP put_ToolTipTitle(BSTR* ToolTipTitle) override;
    STDMETHODIMP get_ToolTipTitle(BSTR* ToolTipTitle) override;
    STDMETHODIMP put_ToolTipIcon(kxBtnIconType* ToolTipIcon) override;
    STDMETHODIMP get_ToolTipIcon(kxBtnIconType* ToolTipIcon) override;
    STDMETHODIMP put_ToolTipType(kxBtnToolTipStyle* ToolTipType) override;
    STDMETHODIMP get_ToolTipType(kxBtnToolTipStyle* ToolTipType) override;
    STDMETHODIMP put_ToolTipBackColor(OLE_COLOR* ToolTipBackColor) override;
    STDMETHODIMP get_ToolTipBackColor(OLE_COLOR* ToolTipBackColor) override;
    STDMETHODIMP put_ToolTipForeColor(OLE_COLOR* ToolTipForeColor) override;
    STDMETHODIMP get_ToolTipForeColor(OLE_COLOR* ToolTipForeColor) override;
    STDMETHODIMP put_ButtonType(kxBtnButtonType* ButtonType) override;
    STDMETHODIMP get_ButtonType(kxBtnButtonType* ButtonType) override;
    STDMETHODIMP put_Value(VARIANT_BOOL* Value) override;
    STDMETHODIMP get_Value(VARIANT_BOOL* Value) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP About() override;

    // For tests and the looks: the state after the last repaint.
    long ButtonState() const { return state_; }
    bool HasFocus() const { return hasFocus_; }
    // For tests: the current tooltip window (null before the first mouse entry) and whether hover
    // tracking hooks the button's window.
    HWND ToolTipWindow() const { return tooltip_.Window(); }
    bool TracksHover() const { return subclasser_.IsSubclassed(Hwnd()); }

protected:
    const wchar_t* ErrorSource() const override;
    void ShortcutFontChanged() override;
    void RightToLeftChanged() override;
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Paint() override;
    void Show() override;
    void Terminate() override;
    void AmbientChanged(DISPID) override;
    void MouseDown(short button, short shift, float x, float y) override;
    void MouseUp(short button, short shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;
    void GotFocus() override;
    void LostFocus() override;
    void AccessKeyPress(short keyAscii) override;

private:
    void PressButton(short button, short shift, float x, float y);
    void ReleaseButton(short button, short shift, float x, float y);
    void RunClick();
    void Repaint();
    void ResizeHandling();
    void SetAccessKeysFromCaption();
    void SetIcon(IPictureDisp* icon);
    void NormaliseState();
    void DrawFace(const ButtonLook& look);
    RECT CaptionRect(long margin) const;
    void DrawCaption(RECT area);
    void DrawIcon(long margin);
    void DrawIconSilhouette(long x, long y, long size);
    bool HasIcon() const;
    // Window shape, hover tracking and the tooltip.
    void ApplyRegion();
    void SetUpHoverTracking();
    void UnsubclassAll();
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;
    void MouseEntered(HWND window);
    void MouseLeft();
    void CreateToolTip();

    long style_ = kxBtnWindowsXP;
    std::wstring caption_;
    long captionAlign_ = kxBtnCenter;
    IPictureDisp* icon_ = nullptr;
    IPicture* grayIcon_ = nullptr;
    long iconAlign_ = kxBtnLeft;
    short iconSize_ = 16;
    bool enabled_ = true;
    bool showFocus_ = false;
    bool useCustomColors_ = false;
    OLE_COLOR backColor_ = 0x8000000F;
    OLE_COLOR highlightColor_ = 0x8000000D;
    OLE_COLOR fontColor_ = 0x80000012;
    OLE_COLOR fontHighlightColor_ = 0x80000012;
    std::wstring toolTipBody_;
    std::wstring toolTipTitle_;
    long toolTipIcon_ = kxBtnNoIcon;
    long toolTipType_ = kxBtnBalloon;
    OLE_COLOR toolTipBackColor_ = 0x80000018;
    OLE_COLOR toolTipForeColor_ = 0x80000017;
    long buttonType_ = kxBtnButton;
    bool value_ = false;

    long state_ = kNormal;
    bool hasFocus_ = false;
    short lastButton_ = 0;
    long plainBackColor_ = -1;
    UINT captionFlags_ = 0;
    bool enforcingMinimumSize_ = false;

    MouseLeaveTracker mouseLeave_;
    bool mouseInside_ = false;
    WindowSubclasser subclasser_{*this, static_cast<IOleObject*>(this)};
    ButtonTooltip tooltip_;
};

}  // namespace kx
