#include "FontViews.h"

#include "ErrorInfo.h"
#include "Rounding.h"
#include "Text.h"

namespace kx {
namespace {

// The font object of a font (a new reference).
IFont* FontObject(IFontDisp* font) {
    IFont* object = nullptr;
    if (!font || FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&object)))) throw Error(kErrObjectRequired);
    return object;
}

template <class Call>
void WithFont(IFontDisp* font, Call call) {
    IFont* object = FontObject(font);
    const HRESULT hr = call(object);
    object->Release();
    if (FAILED(hr)) throw Error(kErrInvalidPropertyValue);
}

}  // namespace

bool ReadFontFlag(IFontDisp* font, FontFlagReader read) {
    BOOL flag = FALSE;
    WithFont(font, [&](IFont* f) { return (f->*read)(&flag); });
    return flag != FALSE;
}

void WriteFontFlag(IFontDisp* font, FontFlagWriter write, bool value) {
    WithFont(font, [&](IFont* f) { return (f->*write)(value ? TRUE : FALSE); });
}

std::wstring ReadFontName(IFontDisp* font) {
    BSTR name = nullptr;
    WithFont(font, [&](IFont* f) { return f->get_Name(&name); });
    std::wstring text = FromBstr(name);
    SysFreeString(name);
    return text;
}

void WriteFontName(IFontDisp* font, const std::wstring& name) {
    WithFont(font, [&](IFont* f) {
        BSTR text = SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
        const HRESULT hr = text ? f->put_Name(text) : E_OUTOFMEMORY;
        SysFreeString(text);
        return hr;
    });
}

float ReadFontSize(IFontDisp* font) {
    CY size = {};
    WithFont(font, [&](IFont* f) { return f->get_Size(&size); });
    return static_cast<float>(static_cast<double>(size.int64) / 10000.0);
}

void WriteFontSize(IFontDisp* font, float points) {
    const double tenThousandths = RoundHalfEven(static_cast<double>(points) * 10000.0);
    if (!(tenThousandths >= 0 && tenThousandths <= 9.2e18)) throw Error(kErrInvalidPropertyValue);
    CY size = {};
    size.int64 = static_cast<LONGLONG>(tenThousandths);
    WithFont(font, [&](IFont* f) { return f->put_Size(size); });
}

HFONT FontHandleOf(IFontDisp* font) {
    IFont* object = nullptr;
    HFONT handle = nullptr;
    if (font && SUCCEEDED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&object)))) {
        object->get_hFont(&handle);
        object->Release();
    }
    return handle;
}

}  // namespace kx
