#include "AmbientProperties.h"

#include "ErrorInfo.h"
#include "LateBinding.h"

namespace kx {
namespace {

bool ReadAmbient(IDispatch* object, DISPID id, VARTYPE type, VARIANT* out) {
    VariantInit(out);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT raw;
    VariantInit(&raw);
    if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &raw, nullptr,
                              nullptr)))
        return false;
    const HRESULT hr = VariantChangeType(out, &raw, 0, type);
    VariantClear(&raw);
    return SUCCEEDED(hr);
}

}  // namespace

bool AmbientProperties::Get(DISPID id, VARTYPE type, VARIANT* out) const {
    VariantInit(out);
    if (!site_) return false;
    IDispatch* ambient = nullptr;
    if (FAILED(site_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)))) return false;
    const bool ok = ReadAmbient(ambient, id, type, out);
    ambient->Release();
    return ok;
}

bool AmbientProperties::UserMode() const {
    VARIANT v;
    return Get(DISPID_AMBIENT_USERMODE, VT_BOOL, &v) ? v.boolVal != VARIANT_FALSE : true;
}

bool AmbientProperties::RightToLeft() const {
    VARIANT v;
    return Get(DISPID_AMBIENT_RIGHTTOLEFT, VT_BOOL, &v) ? v.boolVal != VARIANT_FALSE : false;
}

IFontDisp* AmbientProperties::Font() const {
    VARIANT v;
    if (Get(DISPID_AMBIENT_FONT, VT_DISPATCH, &v) && v.pdispVal) {
        IFontDisp* font = CloneFont(reinterpret_cast<IFontDisp*>(v.pdispVal));
        VariantClear(&v);
        if (font) return font;
    }
    return CreateDefaultFont();
}

std::wstring AmbientProperties::ExtenderText(const wchar_t* name) const {
    IOleControlSite* controlSite = nullptr;
    if (!site_ || FAILED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&controlSite))))
        return {};
    IDispatch* extender = nullptr;
    std::wstring text;
    if (SUCCEEDED(controlSite->GetExtendedControl(&extender)) && extender) {
        try {
            text = GetTextProperty(extender, name);
        } catch (const Error&) {
            // a container without the member: the text stays empty
        }
        extender->Release();
    }
    controlSite->Release();
    return text;
}

IFontDisp* CreateFontObject(const wchar_t* face, double points, short charset) {
    FONTDESC desc = {sizeof(FONTDESC)};
    desc.lpstrName = const_cast<LPOLESTR>(face);
    desc.cySize.int64 = static_cast<LONGLONG>(points * 10000 + 0.5);
    desc.sWeight = FW_NORMAL;
    desc.sCharset = charset;
    IFontDisp* font = nullptr;
    OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font));
    return font;
}

IFontDisp* CreateDefaultFont() { return CreateFontObject(L"MS Sans Serif", 8, DEFAULT_CHARSET); }

IFontDisp* CloneFont(IFontDisp* font) {
    if (!font) return nullptr;
    IFont* source = nullptr;
    if (FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&source)))) return nullptr;
    IFont* copy = nullptr;
    IFontDisp* result = nullptr;
    if (SUCCEEDED(source->Clone(&copy))) {
        copy->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(&result));
        copy->Release();
    }
    source->Release();
    return result;
}

}  // namespace kx
