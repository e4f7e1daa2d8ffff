#include "LibraryButton.h"

#include "Korvix32_h.h"
#include "PropertyBag.h"

namespace zarvanta {

namespace {

constexpr OLE_COLOR kHighlightColor = 12937777;

void WriteLong(IPropertyBag* bag, const wchar_t* key, long value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    bag->Write(key, &v);
}

void WriteText(IPropertyBag* bag, const wchar_t* key, const std::wstring& text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text.c_str());
    bag->Write(key, &v);
    VariantClear(&v);
}

void WriteObject(IPropertyBag* bag, const wchar_t* key, IDispatch* object) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    bag->Write(key, &v);
}

}  // namespace

IFontDisp* CreateOleFont(const wchar_t* face, short charset) {
    FONTDESC description = {sizeof(FONTDESC), const_cast<LPOLESTR>(face), {82500, 0}, FW_NORMAL, charset,
                            FALSE, FALSE, FALSE};
    IFontDisp* font = nullptr;
    OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(&font));
    return font;
}

IFontDisp* CreateButtonFont() { return CreateOleFont(L"Tahoma", ARABIC_CHARSET); }

kx::ControlSite* PlaceLibraryButton(kx::ControlHost& host, const ButtonDesign& design, IFontDisp* font,
                                    kx::ControlEventHandler onEvent) {
    kx::MemoryPropertyBag* bag = new kx::MemoryPropertyBag();
    WriteText(bag, L"Caption", design.caption);
    WriteLong(bag, L"Style", design.style);
    WriteLong(bag, L"FontColor", 0);
    WriteLong(bag, L"FontHighlightColor", 0);
    WriteLong(bag, L"HighlightColor", static_cast<long>(kHighlightColor));
    WriteText(bag, L"ToolTipTitle", L"");
    if (design.backColor) WriteLong(bag, L"BackColor", static_cast<long>(*design.backColor));
    if (font) WriteObject(bag, L"Font", font);
    kx::ControlSite* site = host.Place(CLSID_kxButton, design.name, design.bounds, bag, std::move(onEvent));
    bag->Release();
    return site;
}

}  // namespace zarvanta
