#pragma once
#include <memory>
#include <string>

#include "BoxMouseSequence.h"
#include "ColumnList.h"
#include "ComboGridOwner.h"
#include "DropButton.h"
#include "InputTextBox.h"
#include "Korvix32_h.h"
#include "StandardControl.h"
#include "ToolTipRelay.h"

namespace kx {

class ComboDropDown;

// kxGetCombo: a key typed into a text box (or picked from a drop-down grid of records) and looked up in
// the host's record source; a label shows the value of another field of the record found.
class KxGetCombo : public StandardControl<_kxGetCombo>,
                   private InputTextBox::Input,
                   private ComboGridOwner {
public:
    KxGetCombo();
    ~KxGetCombo() override;

    STDMETHODIMP get_OneTimeLoaded(VARIANT_BOOL* OneTimeLoaded) override;
    STDMETHODIMP put_OneTimeLoaded(VARIANT_BOOL OneTimeLoaded) override;
    STDMETHODIMP get_Value(VARIANT* Value) override;
    STDMETHODIMP put_Value(VARIANT Value) override;
    STDMETHODIMP ShowComboCombo() override;
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
    STDMETHODIMP get_EnterNextTab(VARIANT_BOOL* EnterNextTab) override;
    STDMETHODIMP put_EnterNextTab(VARIANT_BOOL EnterNextTab) override;
    STDMETHODIMP get_TextStyle(kxGCoTextStyle* TextStyle) override;
    STDMETHODIMP put_TextStyle(kxGCoTextStyle TextStyle) override;
    STDMETHODIMP get_SecondDataSource(IDispatch** SecondDataSource) override;
    STDMETHODIMP put_SecondDataSource(IDispatch* SecondDataSource) override;
    STDMETHODIMP get_KeyField(BSTR* KeyField) override;
    STDMETHODIMP put_KeyField(BSTR KeyField) override;
    STDMETHODIMP get_ShowField(BSTR* ShowField) override;
    STDMETHODIMP put_ShowField(BSTR ShowField) override;
    STDMETHODIMP get_List(short Index, kxColumeInfo* List) override;
    STDMETHODIMP put_List(short Index, kxColumeInfo* List) override;
    STDMETHODIMP AddItem(BSTR FieldName, BSTR FieldCaption, short ColWidth) override;
    STDMETHODIMP ListCount(short* Count) override;
    STDMETHODIMP GridRefresh() override;

    // For tests: the constituent windows, the tooltip window (null until there was a text) and the drop-down.
    HWND TextBoxWindow() const { return box_.Hwnd(); }
    HWND LabelWindow() const { return label_; }
    HWND ToolTipWindow() const { return toolTips_.Window(); }
    ComboDropDown* DropDown() const { return dropDown_.get(); }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Terminate() override;
    void MouseDown(short button, short shift, float x, float y) override;
    void MouseMove(short button, short shift, float x, float y) override;
    void MouseUp(short button, short shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;
    void GotFocus() override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    std::vector<CLSID> PropertyPages() const override;

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

    // The grid's view of the combo.
    bool OneTimeLoaded() const override { return oneTimeLoaded_; }
    void SetOneTimeLoaded(bool loaded) override { oneTimeLoaded_ = loaded; }
    ColumnSlot ListSlot(int index) const override { return columns_.At(index); }
    std::wstring BoxText() const override { return box_.Text(); }
    void SetBoxText(const std::wstring& text) override { box_.SetText(text); }

    template <class Body>
    HRESULT Let(const wchar_t* name, Body body);
    void ResetOwnFields();
    void BoxChanged();
    // The lookup; errors of the source reach the caller only when passErrors is set, else the key is not found.
    void RunRefresh(bool passErrors);
    void LookUp(bool passErrors);
    std::wstring LookUpKeepingPlace(IDispatch* source);
    void ShowLabel(bool show);
    void LeaveControl();
    bool OwnsWindow(HWND window) const;
    void ApplyAppearance();
    void Layout();
    void PaintButton(DropButtonFace face);
    void OpenDropDown(bool fromKeyboard);
    ComboDropDown& EnsureDropDown();
    void ShowToolTip(const std::wstring& text);
    void ApplyBoxStyle();
    void ApplyLabelStyle();
    void ApplyBorder();
    void StoreFont(IFontDisp* font);

    VARIANT value_;
    IDispatch* source_ = nullptr;
    std::wstring keyField_;
    std::wstring showField_;
    long textStyle_ = 1;
    long style_ = 0;
    long alignment_ = 1;
    long backColor_;
    long foreColor_;
    long borderStyle_ = 1;
    bool enabled_ = true;
    bool locked_ = false;
    bool wordWrap_ = false;
    bool enterNextTab_ = true;
    bool oneTimeLoaded_ = false;
    bool focusMark_ = false;
    ColumnList columns_;
    InputTextBox box_;
    HWND label_ = nullptr;
    ToolTipRelay toolTips_;
    HBRUSH labelBrush_ = nullptr;
    COLORREF labelBack_ = 0;
    COLORREF labelFore_ = 0;
    DropButton button_;
    std::unique_ptr<ComboDropDown> dropDown_;
    BoxMouseSequence boxMouse_;
};

}  // namespace kx
