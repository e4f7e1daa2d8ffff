#pragma once
#include <string>

#include "FrameTitle.h"
#include "Korvix32_h.h"
#include "StandardControl.h"

namespace kx {

// kxFrame: a container with a title on its border, seven border looks, a solid or gradient ground and
// a picture at one of nine places, all drawn on the control's own surface by Refresh. The title is a
// windowless label drawn last; clicks on it, like those on the controls inside, raise nothing here.
class KxFrame : public TextMembers<WindowMembers<Control<_kxFrame>>> {
public:
    KxFrame();
    ~KxFrame() override;

    STDMETHODIMP get_Caption(BSTR* Caption) override;
    STDMETHODIMP put_Caption(BSTR Caption) override;
    STDMETHODIMP get_FirstColor(OLE_COLOR* FirstColor) override;
    STDMETHODIMP put_FirstColor(OLE_COLOR FirstColor) override;
    STDMETHODIMP get_SecondColor(OLE_COLOR* SecondColor) override;
    STDMETHODIMP put_SecondColor(OLE_COLOR SecondColor) override;
    STDMETHODIMP get_BackStyle(kxFrameBackStyle* BackStyle) override;
    STDMETHODIMP put_BackStyle(kxFrameBackStyle BackStyle) override;
    STDMETHODIMP get_BorderStyle(kxFrameBorder* BorderStyle) override;
    STDMETHODIMP put_BorderStyle(kxFrameBorder BorderStyle) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_PictureAlignment(kxAWShowPosition* PictureAlignment) override;
    STDMETHODIMP put_PictureAlignment(kxAWShowPosition PictureAlignment) override;
    STDMETHODIMP get_Stretch(VARIANT_BOOL* Stretch) override;
    STDMETHODIMP put_Stretch(VARIANT_BOOL Stretch) override;
    STDMETHODIMP get_MaskColor(OLE_COLOR* MaskColor) override;
    STDMETHODIMP put_MaskColor(OLE_COLOR MaskColor) override;
    STDMETHODIMP get_UseMaskColor(VARIANT_BOOL* UseMaskColor) override;
    STDMETHODIMP put_UseMaskColor(VARIANT_BOOL UseMaskColor) override;
    STDMETHODIMP get_AlphaBlend(LONG* AlphaBlend) override;
    STDMETHODIMP put_AlphaBlend(LONG AlphaBlend) override;
    STDMETHODIMP get_Picture(IPictureDisp** Picture) override;
    STDMETHODIMP putref_Picture(IPictureDisp* Picture) override;
    STDMETHODIMP About() override;
    STDMETHODIMP get_LableDown(VARIANT_BOOL* LableDown) override;
    STDMETHODIMP put_LableDown(VARIANT_BOOL LableDown) override;

    // For tests: the title's place and size.
    FrameTitleBox TitleBox() const { return title_.Box(); }

protected:
    const wchar_t* ErrorSource() const override;
    void ShortcutFontChanged() override;
    void RightToLeftChanged() override;
    DWORD MiscStatus() const override;
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Show() override;
    void AmbientChanged(DISPID id) override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;

private:
    template <class Store>
    HRESULT Change(const wchar_t* name, Store store, bool relayOut);
    template <class T, class V>
    HRESULT LetAndRepaint(T& field, V value, const wchar_t* name);
    // The Resize steps: the title's reading order and place, then the redraw.
    void LayOut();
    // The redraw inside a member (overflow becomes error 6) and from the window (a failure skips it).
    void Repaint();
    void RepaintQuietly() noexcept;
    void Draw();
    void DrawBackground(const FrameTitleBox& title);
    void DrawTitleBackground(const FrameTitleBox& title);
    void DrawPicture(const FrameTitleBox& title);
    void SetBackColor(long colour);
    void ApplyEnabled();
    bool PressedOnTitle() const;

    long firstColor_;
    long secondColor_;
    long backStyle_ = kxfGradiantUpDown;
    long borderStyle_ = kxfInner;
    long backColor_;
    long foreColor_;
    bool enabled_ = true;
    long pictureAlignment_ = CenterAndMiddle;
    bool stretch_ = false;
    long maskColor_;
    bool useMaskColor_ = false;
    long alphaBlend_ = 255;
    IPictureDisp* picture_ = nullptr;
    bool lableDown_ = false;

    FrameTitle title_;
    POINT lastPress_ = {-1, -1};
};

}  // namespace kx
