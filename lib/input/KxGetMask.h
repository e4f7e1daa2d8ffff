#pragma once
#include <string>

#include "BoxMouseSequence.h"
#include "Control.h"
#include "Korvix32_h.h"
#include "MaskEngine.h"
#include "InputTextBox.h"

namespace kx {

// kxGetMask: text of a fixed pattern (a date, a code, a telephone number) typed into a mask. The
// control carries the text, the caret and the events between its text box and the mask engine;
// its own surface gives the border and the 3-D look.
class KxGetMask : public Control<_kxGetMask>, private InputTextBox::Input {
public:
    KxGetMask();
    ~KxGetMask() override;

    STDMETHODIMP get_InputMask(BSTR* InputMask) override;
    STDMETHODIMP put_InputMask(BSTR InputMask) override;
    STDMETHODIMP get_Value(BSTR* Value) override;
    STDMETHODIMP put_Value(BSTR Value) override;
    STDMETHODIMP get_InputMode(kxGmInputMode* InputMode) override;
    STDMETHODIMP put_InputMode(kxGmInputMode InputMode) override;
    STDMETHODIMP get_FormatChar(BSTR* FormatChar) override;
    STDMETHODIMP put_FormatChar(BSTR FormatChar) override;
    STDMETHODIMP get_FormatNum(BSTR* FormatNum) override;
    STDMETHODIMP put_FormatNum(BSTR FormatNum) override;
    STDMETHODIMP get_FormatCharShow(BSTR* FormatCharShow) override;
    STDMETHODIMP put_FormatCharShow(BSTR FormatCharShow) override;
    STDMETHODIMP get_FormatNumShow(BSTR* FormatNumShow) override;
    STDMETHODIMP put_FormatNumShow(BSTR FormatNumShow) override;
    STDMETHODIMP get_Alignment(LONG* Alignment) override;
    STDMETHODIMP put_Alignment(LONG Alignment) override;
    STDMETHODIMP get_Appearance(kxGmAppearance* Appearance) override;
    STDMETHODIMP put_Appearance(kxGmAppearance Appearance) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_BorderStyle(kxGmBorderStyle* BorderStyle) override;
    STDMETHODIMP put_BorderStyle(kxGmBorderStyle BorderStyle) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP get_FontBold(VARIANT_BOOL* FontBold) override;
    STDMETHODIMP put_FontBold(VARIANT_BOOL FontBold) override;
    STDMETHODIMP get_FontItalic(VARIANT_BOOL* FontItalic) override;
    STDMETHODIMP put_FontItalic(VARIANT_BOOL FontItalic) override;
    STDMETHODIMP get_FontName(BSTR* FontName) override;
    STDMETHODIMP put_FontName(BSTR FontName) override;
    STDMETHODIMP get_FontSize(FLOAT* FontSize) override;
    STDMETHODIMP put_FontSize(FLOAT FontSize) override;
    STDMETHODIMP get_FontStrikethru(VARIANT_BOOL* FontStrikethru) override;
    STDMETHODIMP put_FontStrikethru(VARIANT_BOOL FontStrikethru) override;
    STDMETHODIMP get_FontUnderline(VARIANT_BOOL* FontUnderline) override;
    STDMETHODIMP put_FontUnderline(VARIANT_BOOL FontUnderline) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP get_hdc(LONG* hdc) override;
    STDMETHODIMP get_Locked(VARIANT_BOOL* Locked) override;
    STDMETHODIMP put_Locked(VARIANT_BOOL Locked) override;
    STDMETHODIMP get_MouseIcon(IPictureDisp** MouseIcon) override;
    STDMETHODIMP putref_MouseIcon(IPictureDisp* MouseIcon) override;
    STDMETHODIMP get_MousePointer(LONG* MousePointer) override;
    STDMETHODIMP put_MousePointer(LONG MousePointer) override;
    STDMETHODIMP get_RightToLeft(VARIANT_BOOL* RightToLeft) override;
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL RightToLeft) override;
    STDMETHODIMP get_SelStart(LONG* SelStart) override;
    STDMETHODIMP put_SelStart(LONG SelStart) override;
    STDMETHODIMP get_Text(BSTR* Text) override;
    STDMETHODIMP get_UseUpDownKey(VARIANT_BOOL* UseUpDownKey) override;
    STDMETHODIMP put_UseUpDownKey(VARIANT_BOOL UseUpDownKey) override;
    STDMETHODIMP get_EnterNextTab(VARIANT_BOOL* EnterNextTab) override;
    STDMETHODIMP put_EnterNextTab(VARIANT_BOOL EnterNextTab) override;
    STDMETHODIMP About() override;

    // For tests: the text box's window.
    HWND TextBoxWindow() const { return box_.Hwnd(); }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Paint() override;
    void Show() override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The text box's input.
    bool BoxKeyDown(WPARAM& keyCode, bool systemKey) override;
    bool BoxChar(WPARAM& character) override;
    void BoxKeyUp(WPARAM keyCode, bool systemKey) override;
    void BoxMouse(UINT message, WPARAM keys, LPARAM position) override;
    void BoxFocus(bool, HWND) override {}
    bool BoxMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    template <class Body>
    HRESULT Let(const wchar_t* name, Body body);
    HRESULT LetMaskCharacter(char16_t& field, BSTR given, char16_t fallback, const wchar_t* name);
    template <class Change>
    HRESULT LetBoxStyle(const wchar_t* name, Change change);
    HRESULT LetFontView(const wchar_t* name, void (*write)(IFontDisp*, bool), VARIANT_BOOL value);

    MaskEngine Engine() const;
    MaskText BoxState() const;
    void RenderMask();
    void ReadMaskValue();
    void ShowKeyResult(const MaskText& state);
    void SetValue(const std::wstring& value);
    void Spin(bool up);
    bool RaiseCheckMaxValue(SpinRequest& request);
    wchar_t TypedCharacter(short keyAscii) const;
    void ApplyBorder();
    void ApplyColours();
    void StoreFont(IFontDisp* font);
    void ResetOwnFields();

    std::wstring inputMask_;
    std::wstring value_;
    std::wstring assignedValue_;
    MaskCharacters chars_;
    long inputMode_ = 0;
    long appearance_ = 1;
    long backColor_;
    long borderStyle_ = 1;
    long foreColor_;
    IFontDisp* font_ = nullptr;
    bool useUpDownKey_ = false;
    bool enterNextTab_ = true;
    InputTextBox box_;
    BoxMouseSequence boxMouse_;
};

}  // namespace kx
