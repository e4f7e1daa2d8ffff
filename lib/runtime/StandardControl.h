#pragma once
#include <windows.h>
#include <olectl.h>

#include "Control.h"
#include "ErrorInfo.h"
#include "FontViews.h"
#include "Text.h"
#include "WindowMembers.h"

// A control whose interface carries the members most controls share: the font shortcuts FontBold ...
// FontUnderline, MousePointer and MouseIcon, RightToLeft, hdc and Hwnd. Written once here; a control's
// class then lists only what is its own. TextMembers alone serves a control without the pointer members.
namespace kx {

// The font shortcuts and RightToLeft, over a control base.
template <class Base>
class TextMembers : public Base {
public:
    using Base::Base;

    STDMETHODIMP get_FontBold(VARIANT_BOOL* FontBold) override { return GetFontFlag(FontBold, &IFont::get_Bold); }
    STDMETHODIMP put_FontBold(VARIANT_BOOL FontBold) override {
        return LetFontFlag(L"FontBold", &IFont::put_Bold, FontBold);
    }
    STDMETHODIMP get_FontItalic(VARIANT_BOOL* FontItalic) override {
        return GetFontFlag(FontItalic, &IFont::get_Italic);
    }
    STDMETHODIMP put_FontItalic(VARIANT_BOOL FontItalic) override {
        return LetFontFlag(L"FontItalic", &IFont::put_Italic, FontItalic);
    }
    STDMETHODIMP get_FontStrikethru(VARIANT_BOOL* FontStrikethru) override {
        return GetFontFlag(FontStrikethru, &IFont::get_Strikethrough);
    }
    STDMETHODIMP put_FontStrikethru(VARIANT_BOOL FontStrikethru) override {
        return LetFontFlag(L"FontStrikethru", &IFont::put_Strikethrough, FontStrikethru);
    }
    STDMETHODIMP get_FontUnderline(VARIANT_BOOL* FontUnderline) override {
        return GetFontFlag(FontUnderline, &IFont::get_Underline);
    }
    STDMETHODIMP put_FontUnderline(VARIANT_BOOL FontUnderline) override {
        return LetFontFlag(L"FontUnderline", &IFont::put_Underline, FontUnderline);
    }
    STDMETHODIMP get_FontName(BSTR* FontName) override {
        return GetFont(FontName, [&] { return ToBstr(ReadFontName(ShortcutFont())); });
    }
    STDMETHODIMP put_FontName(BSTR FontName) override {
        return LetFont(L"FontName", [&] { WriteFontName(ShortcutFont(), FromBstr(FontName)); });
    }
    STDMETHODIMP get_FontSize(FLOAT* FontSize) override {
        return GetFont(FontSize, [&] { return ReadFontSize(ShortcutFont()); });
    }
    STDMETHODIMP put_FontSize(FLOAT FontSize) override {
        return LetFont(L"FontSize", [&] { WriteFontSize(ShortcutFont(), FontSize); });
    }

    STDMETHODIMP get_RightToLeft(VARIANT_BOOL* RightToLeft) override {
        if (!RightToLeft) return E_POINTER;
        *RightToLeft = this->ControlBase::RightToLeft() ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL RightToLeft) override {
        return Guard(ErrorSource(), [&] {
            this->SetRightToLeft(RightToLeft != VARIANT_FALSE);
            this->PropertyChanged(L"RightToLeft");
            RightToLeftChanged();
        });
    }

protected:
    // The source named by the control's errors ("Korvix32.<class>").
    virtual const wchar_t* ErrorSource() const = 0;
    // The font the shortcuts read and change (borrowed); without one they raise error 424.
    virtual IFontDisp* ShortcutFont() const { return this->Font(); }
    // After a shortcut changed the font, and after RightToLeft changed: the control shows the change.
    virtual void ShortcutFontChanged() = 0;
    virtual void RightToLeftChanged() = 0;

private:
    template <class Value, class Read>
    HRESULT GetFont(Value* out, Read read) {
        return Guard(ErrorSource(), [&] {
            if (!out) throw Error(kErrInvalidCall);
            *out = read();
        });
    }
    template <class Change>
    HRESULT LetFont(const wchar_t* name, Change change) {
        return Guard(ErrorSource(), [&] {
            change();
            this->PropertyChanged(name);
            ShortcutFontChanged();
        });
    }
    HRESULT GetFontFlag(VARIANT_BOOL* out, FontFlagReader read) {
        return GetFont(out, [&] { return ReadFontFlag(ShortcutFont(), read) ? VARIANT_TRUE : VARIANT_FALSE; });
    }
    HRESULT LetFontFlag(const wchar_t* name, FontFlagWriter write, VARIANT_BOOL value) {
        return LetFont(name, [&] { WriteFontFlag(ShortcutFont(), write, value != VARIANT_FALSE); });
    }
};

template <class Interface>
class StandardControl : public TextMembers<WindowMembers<Control<Interface>>> {
public:
    using TextMembers<WindowMembers<Control<Interface>>>::TextMembers;

    STDMETHODIMP get_MousePointer(LONG* MousePointer) override {
        if (!MousePointer) return E_POINTER;
        *MousePointer = this->ControlBase::MousePointer();
        return S_OK;
    }
    STDMETHODIMP put_MousePointer(LONG MousePointer) override {
        return Guard(this->ErrorSource(), [&] {
            this->SetMousePointer(static_cast<short>(MousePointer));
            this->PropertyChanged(L"MousePointer");
        });
    }
    STDMETHODIMP get_MouseIcon(IPictureDisp** MouseIcon) override {
        if (!MouseIcon) return E_POINTER;
        *MouseIcon = this->ControlBase::MouseIcon();
        if (*MouseIcon) (*MouseIcon)->AddRef();
        return S_OK;
    }
    STDMETHODIMP putref_MouseIcon(IPictureDisp* MouseIcon) override {
        return Guard(this->ErrorSource(), [&] {
            this->SetMouseIcon(MouseIcon);
            this->PropertyChanged(L"MouseIcon");
        });
    }
};

}  // namespace kx
