#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "BoxMouseSequence.h"
#include "CalcDropDown.h"
#include "DropButton.h"
#include "InputTextBox.h"
#include "Korvix32_h.h"
#include "StandardControl.h"
#include "ToolTipRelay.h"
#include "WordsLabel.h"

namespace kx {

// kxGetNumber: one number (a Double) typed into a text box, or worked out in a calculator that drops down
// under it. Without the focus it shows the value as TextStyle says: plain, formatted with ShowFormat, or
// in Persian or English words (a label over the text box); with the focus, always the plain number.
class KxGetNumber : public StandardControl<_kxGetNumber>, private InputTextBox::Input {
public:
    KxGetNumber();
    ~KxGetNumber() override;

    STDMETHODIMP get_Value(DOUBLE* Value) override;
    STDMETHODIMP put_Value(DOUBLE Value) override;
    STDMETHODIMP ShowComboCalc() override;
    STDMETHODIMP get_Alignment(LONG* Alignment) override;
    STDMETHODIMP put_Alignment(LONG Alignment) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_Locked(VARIANT_BOOL* Locked) override;
    STDMETHODIMP put_Locked(VARIANT_BOOL Locked) override;
    STDMETHODIMP About() override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_BorderStyle(kxGmBorderStyle* BorderStyle) override;
    STDMETHODIMP put_BorderStyle(kxGmBorderStyle BorderStyle) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP putref_MouseIcon(IPictureDisp* MouseIcon) override;
    STDMETHODIMP get_Text(BSTR* Text) override;
    STDMETHODIMP get_WordWrap(VARIANT_BOOL* WordWrap) override;
    STDMETHODIMP put_WordWrap(VARIANT_BOOL WordWrap) override;
    STDMETHODIMP get_Style(kxGCComboStyle* Style) override;
    STDMETHODIMP put_Style(kxGCComboStyle Style) override;
    STDMETHODIMP get_ShowFormat(BSTR* ShowFormat) override;
    STDMETHODIMP put_ShowFormat(BSTR ShowFormat) override;
    STDMETHODIMP get_TextStyle(kxGCTextStyle* TextStyle) override;
    STDMETHODIMP put_TextStyle(kxGCTextStyle TextStyle) override;
    STDMETHODIMP get_EnterNextTab(VARIANT_BOOL* EnterNextTab) override;
    STDMETHODIMP put_EnterNextTab(VARIANT_BOOL EnterNextTab) override;

    // For tests: the parts, the tooltip window (null until there was a text) and the drop-down (null until
    // the first opening).
    HWND TextBoxWindow() const { return box_.Hwnd(); }
    HWND LabelWindow() const { return label_.Hwnd(); }
    HWND ToolTipWindow() const { return toolTips_.Window(); }
    const PixelRect& ButtonRect() const { return button_.Rect(); }
    CalcDropDown* DropDown() const { return dropDown_.get(); }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Terminate() override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void MouseDown(short button, short shift, float x, float y) override;
    void MouseMove(short button, short shift, float x, float y) override;
    void MouseUp(short button, short shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;

    const wchar_t* ErrorSource() const override;
    void ShortcutFontChanged() override;
    void RightToLeftChanged() override;

private:
    // The text box's input.
    bool BoxKeyDown(WPARAM& keyCode, bool systemKey) override;
    bool BoxChar(WPARAM& character) override;
    void BoxKeyUp(WPARAM keyCode, bool systemKey) override;
    void BoxMouse(UINT message, WPARAM keys, LPARAM position) override;
    void BoxFocus(bool gained, HWND other) override;

    template <class Body>
    HRESULT Let(const wchar_t* name, Body body);
    void ShowValue();  // Refresh: the value as TextStyle says, and which part shows
    void ShowParts();
    void WriteOwnText(const std::wstring& text);
    void TakeText();
    void EnterFocus();
    void ExitFocus();
    bool InsideControl(HWND window) const;
    void OpenCalculator();
    void CalculatorResult(double value);
    void CalculatorHidden();
    void Layout();
    void ShowToolTip(const std::wstring& text);
    void ApplyAppearance();
    void ApplyBorder();
    void DrawButton(DropButtonFace face);
    bool RaiseEnterRule(short keyAscii);
    long DefaultAlignment() const;

    double value_ = 0;
    bool hasFocus_ = false;
    bool enabled_ = true;
    bool locked_ = false;
    bool wordWrap_ = false;
    bool enterNextTab_ = true;
    long style_ = 0;
    long textStyle_ = 1;
    long borderStyle_ = 1;
    long backColor_;
    long foreColor_;
    std::wstring showFormat_;
    InputTextBox box_;
    WordsLabel label_;
    ToolTipRelay toolTips_;
    DropButton button_{kNumberDropButton};
    std::unique_ptr<CalcDropDown> dropDown_;
    bool writingOwnText_ = false;
    BoxMouseSequence boxMouse_;
};

}  // namespace kx
