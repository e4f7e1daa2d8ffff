#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "AboutBox.h"
#include "AlertSettings.h"
#include "AlertWindow.h"
#include "ErrorInfo.h"
#include "Korvix32_h.h"
#include "Rounding.h"
#include "Text.h"

// What the alert class and the alert control share: the settings as properties, the six font views, the
// choice protocol (ButtonSelect, LastButtonSelect, ButtonClick) and the start of a show in the shared or a
// window of its own. Base is the object's automation base; the front end supplies the hooks.
namespace kx {

template <class Base>
class AlertFrontEnd : public Base {
public:
    using Base::Base;
    ~AlertFrontEnd() override {
        if (settings_.font) settings_.font->Release();
        if (settings_.picture) settings_.picture->Release();
    }

    STDMETHODIMP get_BackColor(OLE_COLOR* value) override { return Read(value, settings_.backColor); }
    STDMETHODIMP put_BackColor(OLE_COLOR value) override { return Let(settings_.backColor, value, L"BackColor"); }
    STDMETHODIMP get_BorderStyle(kxAWBorderStyle* value) override { return Read(value, settings_.borderStyle); }
    STDMETHODIMP put_BorderStyle(kxAWBorderStyle value) override {
        return Let(settings_.borderStyle, value, L"BorderStyle");
    }
    STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override { return ReadBool(value, settings_.enabled); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL value) override { return LetBool(settings_.enabled, value, L"Enabled"); }
    STDMETHODIMP get_Font(IFontDisp** value) override {
        return Guard(Source(), [&] {
            if (!value) throw Error(kErrInvalidCall);
            FontForRead();
            *value = settings_.font;
            if (*value) (*value)->AddRef();
        });
    }
    STDMETHODIMP putref_Font(IFontDisp* value) override {
        return Guard(Source(), [&] {
            Hold(settings_.font, value);
            SettingChanged(L"Font");
        });
    }
    STDMETHODIMP get_FontBold(VARIANT_BOOL* value) override { return GetFontFlag(value, &IFont::get_Bold); }
    STDMETHODIMP put_FontBold(VARIANT_BOOL value) override { return LetFontFlag(value, &IFont::put_Bold); }
    STDMETHODIMP get_FontItalic(VARIANT_BOOL* value) override { return GetFontFlag(value, &IFont::get_Italic); }
    STDMETHODIMP put_FontItalic(VARIANT_BOOL value) override { return LetFontFlag(value, &IFont::put_Italic); }
    STDMETHODIMP get_FontName(BSTR* value) override {
        return OnFont([&](IFont* font) { return value ? font->get_Name(value) : E_POINTER; });
    }
    STDMETHODIMP put_FontName(BSTR value) override {
        return ChangeFont([&](IFont* font) { return font->put_Name(value); });
    }
    STDMETHODIMP get_FontSize(float* value) override {
        return OnFont([&](IFont* font) {
            CY size = {};
            const HRESULT hr = value ? font->get_Size(&size) : E_POINTER;
            if (SUCCEEDED(hr)) *value = static_cast<float>(static_cast<double>(size.int64) / 10000.0);
            return hr;
        });
    }
    STDMETHODIMP put_FontSize(float value) override {
        return ChangeFont([&](IFont* font) {
            const double tenThousandths = RoundHalfEven(static_cast<double>(value) * 10000.0);
            if (!(tenThousandths >= 0 && tenThousandths <= 9.2e18)) throw Error(kErrInvalidPropertyValue);
            CY size = {};
            size.int64 = static_cast<LONGLONG>(tenThousandths);
            return font->put_Size(size);
        });
    }
    STDMETHODIMP get_FontStrikethru(VARIANT_BOOL* value) override {
        return GetFontFlag(value, &IFont::get_Strikethrough);
    }
    STDMETHODIMP put_FontStrikethru(VARIANT_BOOL value) override {
        return LetFontFlag(value, &IFont::put_Strikethrough);
    }
    STDMETHODIMP get_FontUnderline(VARIANT_BOOL* value) override {
        return GetFontFlag(value, &IFont::get_Underline);
    }
    STDMETHODIMP put_FontUnderline(VARIANT_BOOL value) override {
        return LetFontFlag(value, &IFont::put_Underline);
    }
    STDMETHODIMP get_ForeColor(OLE_COLOR* value) override { return Read(value, settings_.foreColor); }
    STDMETHODIMP put_ForeColor(OLE_COLOR value) override { return Let(settings_.foreColor, value, L"ForeColor"); }
    STDMETHODIMP get_hdc(LONG* value) override { return Read(value, hdc_); }
    STDMETHODIMP get_Hwnd(LONG* value) override { return Read(value, hwnd_); }
    STDMETHODIMP get_Picture(IPictureDisp** value) override {
        if (!value) return E_POINTER;
        *value = settings_.picture;
        if (*value) (*value)->AddRef();
        return S_OK;
    }
    STDMETHODIMP putref_Picture(IPictureDisp* value) override {
        return Guard(Source(), [&] {
            Hold(settings_.picture, value);
            SettingChanged(L"Picture");
        });
    }
    STDMETHODIMP get_RightToLeft(VARIANT_BOOL* value) override { return ReadBool(value, settings_.rightToLeft); }
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL value) override {
        return LetBool(settings_.rightToLeft, value, L"RightToLeft");
    }
    STDMETHODIMP get_TimeToClose(float* value) override { return Read(value, settings_.timeToClose); }
    STDMETHODIMP put_TimeToClose(float value) override { return Let(settings_.timeToClose, value, L"TimeToClose"); }
    STDMETHODIMP get_SeparateWindow(VARIANT_BOOL* value) override {
        return ReadBool(value, settings_.separateWindow);
    }
    STDMETHODIMP put_SeparateWindow(VARIANT_BOOL value) override {
        return LetBool(settings_.separateWindow, value, L"SeparateWindow");
    }
    STDMETHODIMP get_ShowPosition(kxAWShowPosition* value) override { return Read(value, settings_.showPosition); }
    STDMETHODIMP put_ShowPosition(kxAWShowPosition value) override {
        return Let(settings_.showPosition, value, L"ShowPosition");
    }
    STDMETHODIMP get_AlwaysOnTop(VARIANT_BOOL* value) override { return ReadBool(value, settings_.alwaysOnTop); }
    STDMETHODIMP put_AlwaysOnTop(VARIANT_BOOL value) override {
        return LetBool(settings_.alwaysOnTop, value, L"AlwaysOnTop");
    }
    STDMETHODIMP get_BackStyle(kxAWBackStyle* value) override { return Read(value, settings_.backStyle); }
    STDMETHODIMP put_BackStyle(kxAWBackStyle value) override { return Let(settings_.backStyle, value, L"BackStyle"); }
    STDMETHODIMP get_Text(BSTR* value) override { return ReadText(value, settings_.text); }
    STDMETHODIMP put_Text(BSTR value) override { return Let(settings_.text, FromBstr(value), L"Text"); }
    STDMETHODIMP get_AutoSize(VARIANT_BOOL* value) override { return ReadBool(value, settings_.autoSize); }
    STDMETHODIMP put_AutoSize(VARIANT_BOOL value) override { return LetBool(settings_.autoSize, value, L"AutoSize"); }
    STDMETHODIMP get_WindowWidth(LONG* value) override { return Read(value, settings_.windowWidth); }
    STDMETHODIMP put_WindowWidth(LONG value) override { return Let(settings_.windowWidth, value, L"WindowWidth"); }
    STDMETHODIMP get_WindowHeight(LONG* value) override { return Read(value, settings_.windowHeight); }
    STDMETHODIMP put_WindowHeight(LONG value) override {
        return Let(settings_.windowHeight, value, L"WindowHeight");
    }
    STDMETHODIMP get_ClickClose(VARIANT_BOOL* value) override { return ReadBool(value, settings_.clickClose); }
    STDMETHODIMP put_ClickClose(VARIANT_BOOL value) override {
        return LetBool(settings_.clickClose, value, L"ClickClose");
    }
    STDMETHODIMP get_ShowStyle(kxAWShowStyle* value) override { return Read(value, settings_.showStyle); }
    STDMETHODIMP put_ShowStyle(kxAWShowStyle value) override { return Let(settings_.showStyle, value, L"ShowStyle"); }
    STDMETHODIMP get_TimeToShow(float* value) override { return Read(value, settings_.timeToShow); }
    STDMETHODIMP put_TimeToShow(float value) override { return Let(settings_.timeToShow, value, L"TimeToShow"); }
    STDMETHODIMP get_ButtonStyle(kxBtnStyle* value) override { return Read(value, settings_.buttonStyle); }
    STDMETHODIMP put_ButtonStyle(kxBtnStyle value) override {
        return Let(settings_.buttonStyle, value, L"ButtonStyle");
    }
    STDMETHODIMP get_TextButton1(BSTR* value) override { return ReadText(value, settings_.textButton[0]); }
    STDMETHODIMP put_TextButton1(BSTR value) override {
        return Let(settings_.textButton[0], FromBstr(value), L"TextButton1");
    }
    STDMETHODIMP get_TextButton2(BSTR* value) override { return ReadText(value, settings_.textButton[1]); }
    STDMETHODIMP put_TextButton2(BSTR value) override {
        return Let(settings_.textButton[1], FromBstr(value), L"TextButton2");
    }
    STDMETHODIMP get_TextButton3(BSTR* value) override { return ReadText(value, settings_.textButton[2]); }
    STDMETHODIMP put_TextButton3(BSTR value) override {
        return Let(settings_.textButton[2], FromBstr(value), L"TextButton3");
    }
    // The stored choice as an Integer; reading it clears it.
    STDMETHODIMP get_LastButtonSelect(VARIANT* value) override {
        if (!value) return E_POINTER;
        VariantInit(value);
        value->vt = VT_I2;
        value->iVal = choice_;
        choice_ = 0;
        return S_OK;
    }
    // The window reports a button: stored, then raised with a copy the handlers may change freely.
    STDMETHODIMP put_ButtonSelect(short value) override {
        choice_ = value;
        lastSelected_ = value;
        ++selections_;
        short reported = value;
        RaiseButtonClick(reported);
        return S_OK;
    }
    STDMETHODIMP get_DefaultButton(short* value) override { return Read(value, settings_.defaultButton); }
    STDMETHODIMP put_DefaultButton(short value) override {
        return Let(settings_.defaultButton, value, L"DefaultButton");
    }
    STDMETHODIMP get_TextTitle(BSTR* value) override { return ReadText(value, settings_.textTitle); }
    STDMETHODIMP put_TextTitle(BSTR value) override { return Let(settings_.textTitle, FromBstr(value), L"TextTitle"); }
    STDMETHODIMP get_MaxTransparent(short* value) override { return Read(value, settings_.maxTransparent); }
    STDMETHODIMP put_MaxTransparent(short value) override {
        const short clamped = value > 255 ? 255 : value < 0 ? 0 : value;
        return Let(settings_.maxTransparent, clamped, L"MaxTransparent");
    }
    STDMETHODIMP About() override {
        return Guard(Source(), [] { ShowAboutBox(L"Alert Window"); });
    }

protected:
    virtual const wchar_t* Source() const = 0;
    // A setting's change, by the property's name (the font views report "Font").
    virtual void SettingChanged(const wchar_t* name) = 0;
    // Before Font is read or a font view used: the class makes a default font when it has none.
    virtual void FontForRead() {}
    virtual void RaiseButtonClick(short& number) = 0;

    // Holds a new reference in slot, dropping what it held.
    template <class T>
    static void Hold(T*& slot, T* object) {
        if (object) object->AddRef();
        if (slot) slot->Release();
        slot = object;
    }

    // Steps 2 to 7 of Show: take the window, unload it when shown, become its Owner, take mText and start
    // it with a copy of the settings.
    void StartShow(BSTR mText) {
        AlertWindow* window = settings_.separateWindow ? AlertWindow::Create() : AlertWindow::Shared();
        if (!settings_.separateWindow) window->AddRef();
        struct Drop {  // this routine's reference; a loaded window lives on
            AlertWindow* window;
            ~Drop() { window->Release(); }
        } drop{window};
        if (window->IsVisible()) window->Unload();
        window->SetOwner(static_cast<IDispatch*>(this));
        if (mText && SysStringLen(mText) > 0) settings_.text = FromBstr(mText);
        BeforeShowForm();
        const AlertSettings copy = settings_;  // the caller's BackColor reads back as it was set
        window->ShowForm(copy, hdc_, hwnd_);
    }
    virtual void BeforeShowForm() {}

    AlertSettings settings_;
    short choice_ = 0;
    short lastSelected_ = 0;
    unsigned long selections_ = 0;  // numbers given to ButtonSelect so far
    long hdc_ = 0;
    long hwnd_ = 0;

private:
    template <class T, class V>
    static HRESULT Read(T* out, V value) {
        if (!out) return E_POINTER;
        *out = static_cast<T>(value);
        return S_OK;
    }
    static HRESULT ReadBool(VARIANT_BOOL* out, bool value) {
        return Read(out, value ? VARIANT_TRUE : VARIANT_FALSE);
    }
    HRESULT ReadText(BSTR* out, const std::wstring& value) {
        return Guard(Source(), [&] {
            if (!out) throw Error(kErrInvalidCall);
            *out = ToBstr(value);
        });
    }
    template <class T, class V>
    HRESULT Let(T& field, V value, const wchar_t* name) {
        return Guard(Source(), [&] {
            field = static_cast<T>(value);
            SettingChanged(name);
        });
    }
    HRESULT LetBool(bool& field, VARIANT_BOOL value, const wchar_t* name) {
        return Let(field, value != VARIANT_FALSE, name);
    }

    // The current font object (a new reference); error 91 when there is none.
    IFont* FontObject() {
        FontForRead();
        IFont* font = nullptr;
        if (!settings_.font || FAILED(settings_.font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font))))
            throw Error(91);
        return font;
    }
    template <class Use>
    HRESULT OnFont(Use use) {
        return Guard(Source(), [&] {
            IFont* font = FontObject();
            const HRESULT hr = use(font);
            font->Release();
            if (FAILED(hr)) throw Error(kErrInvalidPropertyValue);
        });
    }
    template <class Change>
    HRESULT ChangeFont(Change change) {
        return Guard(Source(), [&] {
            IFont* font = FontObject();
            const HRESULT hr = change(font);
            font->Release();
            if (FAILED(hr)) throw Error(kErrInvalidPropertyValue);
            SettingChanged(L"Font");
        });
    }
    HRESULT GetFontFlag(VARIANT_BOOL* out, HRESULT (STDMETHODCALLTYPE IFont::*read)(BOOL*)) {
        return OnFont([&](IFont* font) {
            BOOL flag = FALSE;
            const HRESULT hr = out ? (font->*read)(&flag) : E_POINTER;
            if (SUCCEEDED(hr)) *out = flag ? VARIANT_TRUE : VARIANT_FALSE;
            return hr;
        });
    }
    HRESULT LetFontFlag(VARIANT_BOOL value, HRESULT (STDMETHODCALLTYPE IFont::*write)(BOOL)) {
        return ChangeFont([&](IFont* font) { return (font->*write)(value != VARIANT_FALSE); });
    }
};

}  // namespace kx
