#pragma once
#include <memory>
#include <string>

#include "Korvix32_h.h"
#include "LabelPictureBox.h"
#include "StandardControl.h"

namespace kx {

// kxLabel: one line of text at any angle, plain, raised or sunken, over a plain or gradient ground
// with an optional blended picture and a 3-D border, all drawn by Refresh into the picture box
// that covers the control. The box's input reaches the host as the label's own events.
class KxLabel : public StandardControl<_kxLabel> {
public:
    KxLabel();
    ~KxLabel() override;

    STDMETHODIMP Refresh() override;
    STDMETHODIMP get_Degree(short* Degree) override;
    STDMETHODIMP put_Degree(short Degree) override;
    STDMETHODIMP get_Caption(BSTR* Caption) override;
    STDMETHODIMP put_Caption(BSTR Caption) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP get_Alignment(LONG* Alignment) override;
    STDMETHODIMP put_Alignment(LONG Alignment) override;
    STDMETHODIMP get_TextStyle(kxlTextStyle* TextStyle) override;
    STDMETHODIMP put_TextStyle(kxlTextStyle TextStyle) override;
    STDMETHODIMP get_FirstColor(OLE_COLOR* FirstColor) override;
    STDMETHODIMP put_FirstColor(OLE_COLOR FirstColor) override;
    STDMETHODIMP get_SecondColor(OLE_COLOR* SecondColor) override;
    STDMETHODIMP put_SecondColor(OLE_COLOR SecondColor) override;
    STDMETHODIMP get_BackStyle(kxFrameBackStyle* BackStyle) override;
    STDMETHODIMP put_BackStyle(kxFrameBackStyle BackStyle) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP get_CharDegree(short* CharDegree) override;
    STDMETHODIMP put_CharDegree(short CharDegree) override;
    STDMETHODIMP get_BalanceX(short* BalanceX) override;
    STDMETHODIMP put_BalanceX(short BalanceX) override;
    STDMETHODIMP get_BalanceY(short* BalanceY) override;
    STDMETHODIMP put_BalanceY(short BalanceY) override;
    STDMETHODIMP get_BorderStyle(kxlBorderStyle* BorderStyle) override;
    STDMETHODIMP put_BorderStyle(kxlBorderStyle BorderStyle) override;
    STDMETHODIMP get_Picture(IPictureDisp** Picture) override;
    STDMETHODIMP putref_Picture(IPictureDisp* Picture) override;
    STDMETHODIMP get_PictureX(LONG* PictureX) override;
    STDMETHODIMP put_PictureX(LONG PictureX) override;
    STDMETHODIMP get_PictureY(LONG* PictureY) override;
    STDMETHODIMP put_PictureY(LONG PictureY) override;
    STDMETHODIMP get_UseMaskColor(VARIANT_BOOL* UseMaskColor) override;
    STDMETHODIMP put_UseMaskColor(VARIANT_BOOL UseMaskColor) override;
    STDMETHODIMP get_MaskColor(OLE_COLOR* MaskColor) override;
    STDMETHODIMP put_MaskColor(OLE_COLOR MaskColor) override;
    STDMETHODIMP get_Alpha(LONG* Alpha) override;
    STDMETHODIMP put_Alpha(LONG Alpha) override;
    STDMETHODIMP get_CanGetFocus(VARIANT_BOOL* CanGetFocus) override;
    STDMETHODIMP put_CanGetFocus(VARIANT_BOOL CanGetFocus) override;
    STDMETHODIMP About() override;

    // For tests: the picture box the label draws on.
    const LabelPictureBox& PictureBox() const { return *picture1_; }

protected:
    const wchar_t* ErrorSource() const override;
    IFontDisp* ShortcutFont() const override;
    void ShortcutFontChanged() override;
    void RightToLeftChanged() override;
    HWND MemberWindow() const override;
    HDC MemberDc() const override;
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    DWORD MiscStatus() const override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void Resize() override;
    void Show() override;
    void GotFocus() override;
    void MouseDown(short button, short shift, float x, float y) override;
    void MouseMove(short button, short shift, float x, float y) override;
    void MouseUp(short button, short shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;

private:
    template <class Store>
    HRESULT ChangeAndRefresh(const wchar_t* name, Store store);
    template <class T, class V>
    HRESULT LetAndRefresh(T& field, V value, const wchar_t* name);
    void KeepPictureBoxAtTheBottom();
    void Redraw();
    void RedrawSteps();
    void DrawBackground();
    void DrawLabelPicture();
    void StoreFont(IFontDisp* font);
    void StorePicture(IPictureDisp* picture);
    void SetBackColor(long colour);
    // Mouse events in Picture1's own pixels.
    void RaisePictureMouseEvent(DISPID event, short button, short shift, float x, float y);

    short degree_ = 0;
    std::wstring caption_;
    long backColor_;
    long foreColor_;
    long alignment_ = 0;
    long textStyle_ = kxlNormal;
    long firstColor_;
    long secondColor_;
    long backStyle_ = kxfSolid;
    IFontDisp* font_ = nullptr;
    short charDegree_ = -1;
    short balanceX_ = 0;
    short balanceY_ = 0;
    long borderStyle_ = kxlbSunken;
    IPictureDisp* picture_ = nullptr;
    long pictureX_ = 0;
    long pictureY_ = 0;
    bool useMaskColor_ = false;
    long maskColor_;
    long alpha_ = 255;
    bool canGetFocus_ = false;

    std::unique_ptr<LabelPictureBox> picture1_;
    bool redrawing_ = false;
};

}  // namespace kx
