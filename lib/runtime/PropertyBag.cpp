#include "PropertyBag.h"

#include <ole2.h>

#include "ModuleState.h"

namespace kx {
namespace {

bool SameKey(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

template <class T>
HRESULT WriteRaw(IStream* stream, const T& value) {
    return stream->Write(&value, sizeof(T), nullptr);
}

template <class T>
HRESULT ReadRaw(IStream* stream, T* value) {
    ULONG got = 0;
    const HRESULT hr = stream->Read(value, sizeof(T), &got);
    return FAILED(hr) ? hr : (got == sizeof(T) ? S_OK : E_FAIL);
}

HRESULT WriteText(IStream* stream, const wchar_t* text, UINT length) {
    HRESULT hr = WriteRaw(stream, length);
    if (SUCCEEDED(hr) && length) hr = stream->Write(text, length * sizeof(wchar_t), nullptr);
    return hr;
}

// Upper bound of a stored text, so a damaged stream cannot ask for gigabytes.
constexpr UINT kMaxStoredText = 1u << 24;

HRESULT ReadText(IStream* stream, std::wstring* text) {
    UINT length = 0;
    HRESULT hr = ReadRaw(stream, &length);
    if (FAILED(hr)) return hr;
    if (length > kMaxStoredText) return E_FAIL;
    text->assign(length, L'\0');
    if (!length) return S_OK;
    ULONG got = 0;
    hr = stream->Read(text->data(), length * sizeof(wchar_t), &got);
    return FAILED(hr) ? hr : (got == length * sizeof(wchar_t) ? S_OK : E_FAIL);
}

HRESULT WriteValue(IStream* stream, const VARIANT& value) {
    HRESULT hr = WriteRaw(stream, value.vt);
    if (FAILED(hr)) return hr;
    switch (value.vt) {
        case VT_EMPTY: case VT_NULL: return S_OK;
        case VT_BOOL: return WriteRaw(stream, value.boolVal);
        case VT_I2: return WriteRaw(stream, value.iVal);
        case VT_I4: return WriteRaw(stream, value.lVal);
        case VT_UI1: return WriteRaw(stream, value.bVal);
        case VT_R4: return WriteRaw(stream, value.fltVal);
        case VT_R8: case VT_DATE: return WriteRaw(stream, value.dblVal);
        case VT_CY: return WriteRaw(stream, value.cyVal);
        case VT_BSTR: return WriteText(stream, value.bstrVal, SysStringLen(value.bstrVal));
        case VT_UNKNOWN: case VT_DISPATCH: {
            const bool present = value.punkVal != nullptr;
            hr = WriteRaw(stream, present);
            if (FAILED(hr) || !present) return hr;
            IPersistStream* persist = nullptr;
            hr = value.punkVal->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist));
            if (FAILED(hr)) return hr;
            hr = OleSaveToStream(persist, stream);
            persist->Release();
            return hr;
        }
        default: return DISP_E_BADVARTYPE;
    }
}

HRESULT ReadValue(IStream* stream, VARIANT* value) {
    VariantInit(value);
    VARTYPE vt = VT_EMPTY;
    HRESULT hr = ReadRaw(stream, &vt);
    if (FAILED(hr)) return hr;
    value->vt = vt;
    switch (vt) {
        case VT_EMPTY: case VT_NULL: return S_OK;
        case VT_BOOL: return ReadRaw(stream, &value->boolVal);
        case VT_I2: return ReadRaw(stream, &value->iVal);
        case VT_I4: return ReadRaw(stream, &value->lVal);
        case VT_UI1: return ReadRaw(stream, &value->bVal);
        case VT_R4: return ReadRaw(stream, &value->fltVal);
        case VT_R8: case VT_DATE: return ReadRaw(stream, &value->dblVal);
        case VT_CY: return ReadRaw(stream, &value->cyVal);
        case VT_BSTR: {
            std::wstring text;
            value->vt = VT_EMPTY;
            hr = ReadText(stream, &text);
            if (FAILED(hr)) return hr;
            value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (!value->bstrVal) return E_OUTOFMEMORY;
            value->vt = VT_BSTR;
            return S_OK;
        }
        case VT_UNKNOWN: case VT_DISPATCH: {
            bool present = false;
            value->punkVal = nullptr;
            hr = ReadRaw(stream, &present);
            if (FAILED(hr) || !present) return hr;
            const IID& iid = vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
            hr = OleLoadFromStream(stream, iid, reinterpret_cast<void**>(&value->punkVal));
            if (FAILED(hr)) value->vt = VT_EMPTY;
            return hr;
        }
        default: value->vt = VT_EMPTY; return DISP_E_BADVARTYPE;
    }
}

}  // namespace

MemoryPropertyBag::MemoryPropertyBag() { ObjectCreated(); }

MemoryPropertyBag::~MemoryPropertyBag() {
    Clear();
    ObjectDestroyed();
}

STDMETHODIMP MemoryPropertyBag::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IPropertyBag) return E_NOINTERFACE;
    *out = static_cast<IPropertyBag*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) MemoryPropertyBag::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) MemoryPropertyBag::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

// Like the platform's bags: the stored value is converted to the type the caller asks for.
STDMETHODIMP MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value) return E_POINTER;
    const VARIANT* stored = Find(name);
    if (!stored) return E_INVALIDARG;
    const VARTYPE wanted = value->vt;
    VariantInit(value);
    VARIANT* source = const_cast<VARIANT*>(stored);
    if (wanted == VT_EMPTY || wanted == stored->vt) return VariantCopy(value, source);
    return VariantChangeType(value, source, 0, wanted);
}

STDMETHODIMP MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    if (!name || !value) return E_POINTER;
    VARIANT copy;
    VariantInit(&copy);
    const HRESULT hr = VariantCopyInd(&copy, value);
    if (FAILED(hr)) return hr;
    if (VARIANT* existing = FindMutable(name)) {
        VariantClear(existing);
        *existing = copy;
    } else {
        entries_.emplace_back(name, copy);
    }
    return S_OK;
}

const VARIANT* MemoryPropertyBag::Find(const std::wstring& name) const {
    for (const auto& entry : entries_)
        if (SameKey(entry.first, name.c_str())) return &entry.second;
    return nullptr;
}

VARIANT* MemoryPropertyBag::FindMutable(const std::wstring& name) {
    return const_cast<VARIANT*>(Find(name));
}

void MemoryPropertyBag::Clear() {
    for (auto& entry : entries_) VariantClear(&entry.second);
    entries_.clear();
}

HRESULT MemoryPropertyBag::SaveTo(IStream* stream) const {
    if (!stream) return E_POINTER;
    HRESULT hr = WriteRaw(stream, static_cast<UINT>(entries_.size()));
    for (const auto& entry : entries_) {
        if (SUCCEEDED(hr)) hr = WriteText(stream, entry.first.data(), static_cast<UINT>(entry.first.size()));
        if (SUCCEEDED(hr)) hr = WriteValue(stream, entry.second);
    }
    return hr;
}

HRESULT MemoryPropertyBag::LoadFrom(IStream* stream) {
    if (!stream) return E_POINTER;
    Clear();
    UINT count = 0;
    HRESULT hr = ReadRaw(stream, &count);
    for (UINT i = 0; SUCCEEDED(hr) && i < count; ++i) {
        std::wstring key;
        VARIANT value;
        VariantInit(&value);
        hr = ReadText(stream, &key);
        if (SUCCEEDED(hr)) hr = ReadValue(stream, &value);
        if (SUCCEEDED(hr)) hr = Write(key.c_str(), &value);
        VariantClear(&value);
    }
    return hr;
}

bool PropertyReader::ReadAs(const wchar_t* key, VARTYPE type, VARIANT* out) const {
    VariantInit(out);
    if (!bag_) return false;
    VARIANT raw;
    VariantInit(&raw);
    if (FAILED(bag_->Read(key, &raw, nullptr))) return false;
    const bool ok = raw.vt == type || SUCCEEDED(VariantChangeType(out, &raw, 0, type));
    if (raw.vt == type) *out = raw;
    else VariantClear(&raw);
    return ok;
}

long PropertyReader::Long(const wchar_t* key, long fallback) const {
    VARIANT v;
    return ReadAs(key, VT_I4, &v) ? v.lVal : fallback;
}

bool PropertyReader::Boolean(const wchar_t* key, bool fallback) const {
    VARIANT v;
    return ReadAs(key, VT_BOOL, &v) ? v.boolVal != VARIANT_FALSE : fallback;
}

double PropertyReader::Double(const wchar_t* key, double fallback) const {
    VARIANT v;
    return ReadAs(key, VT_R8, &v) ? v.dblVal : fallback;
}

std::wstring PropertyReader::Text(const wchar_t* key, const std::wstring& fallback) const {
    VARIANT v;
    if (!ReadAs(key, VT_BSTR, &v)) return fallback;
    std::wstring text(v.bstrVal ? v.bstrVal : L"", v.bstrVal ? SysStringLen(v.bstrVal) : 0);
    VariantClear(&v);
    return text;
}

IDispatch* PropertyReader::Object(const wchar_t* key, REFIID iid, IDispatch* fallback) const {
    VARIANT v;
    IDispatch* result = nullptr;
    if (ReadAs(key, VT_DISPATCH, &v) && v.pdispVal &&
        SUCCEEDED(v.pdispVal->QueryInterface(iid, reinterpret_cast<void**>(&result)))) {
        VariantClear(&v);
        return result;
    }
    VariantClear(&v);
    if (fallback) fallback->AddRef();
    return fallback;
}

IFontDisp* PropertyReader::Font(const wchar_t* key, IFontDisp* fallback) const {
    return static_cast<IFontDisp*>(Object(key, IID_IFontDisp, fallback));
}

IPictureDisp* PropertyReader::Picture(const wchar_t* key, IPictureDisp* fallback) const {
    return static_cast<IPictureDisp*>(Object(key, IID_IPictureDisp, fallback));
}

void PropertyWriter::Put(const wchar_t* key, VARIANT& value) const {
    if (bag_) bag_->Write(key, &value);
}

void PropertyWriter::Long(const wchar_t* key, long value, long fallback) const {
    if (value != fallback) Long(key, value);
}

void PropertyWriter::Long(const wchar_t* key, long value) const {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    Put(key, v);
}

void PropertyWriter::Boolean(const wchar_t* key, bool value, bool fallback) const {
    if (value == fallback) return;
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Put(key, v);
}

void PropertyWriter::Double(const wchar_t* key, double value, double fallback) const {
    if (value == fallback) return;
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = value;
    Put(key, v);
}

void PropertyWriter::Single(const wchar_t* key, float value, float fallback) const {
    if (value == fallback) return;
    VARIANT v;
    v.vt = VT_R4;
    v.fltVal = value;
    Put(key, v);
}

void PropertyWriter::Text(const wchar_t* key, const std::wstring& value, const std::wstring& fallback) const {
    if (value != fallback) Text(key, value);
}

void PropertyWriter::Text(const wchar_t* key, const std::wstring& value) const {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    if (v.bstrVal) Put(key, v);
    VariantClear(&v);
}

void PropertyWriter::Font(const wchar_t* key, IFontDisp* value, IFontDisp* fallback) const {
    if (!value || SameFont(value, fallback)) return;
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = value;
    Put(key, v);
}

IDispatch* PropertyReader::Reference(const wchar_t* key) const { return Object(key, IID_IDispatch, nullptr); }

void PropertyWriter::Reference(const wchar_t* key, IDispatch* value) const {
    if (!value) return;
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = value;
    Put(key, v);
}

void PropertyWriter::Picture(const wchar_t* key, IPictureDisp* value) const {
    if (!value) return;
    IPicture* picture = nullptr;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(value->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        picture->get_Handle(&handle);
        picture->Release();
    }
    if (!handle) return;  // a picture without an image stores as none
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = value;
    Put(key, v);
}

bool SameFont(IFontDisp* a, IFontDisp* b) {
    if (a == b) return true;
    if (!a || !b) return false;
    IFont* fa = nullptr;
    IFont* fb = nullptr;
    bool same = false;
    if (SUCCEEDED(a->QueryInterface(IID_IFont, reinterpret_cast<void**>(&fa))) &&
        SUCCEEDED(b->QueryInterface(IID_IFont, reinterpret_cast<void**>(&fb)))) {
        BSTR na = nullptr, nb = nullptr;
        CY sa = {}, sb = {};
        BOOL ba = 0, bb = 0, ia = 0, ib = 0, ua = 0, ub = 0, ta = 0, tb = 0;
        SHORT wa = 0, wb = 0, ca = 0, cb = 0;
        fa->get_Name(&na); fb->get_Name(&nb);
        fa->get_Size(&sa); fb->get_Size(&sb);
        fa->get_Bold(&ba); fb->get_Bold(&bb);
        fa->get_Italic(&ia); fb->get_Italic(&ib);
        fa->get_Underline(&ua); fb->get_Underline(&ub);
        fa->get_Strikethrough(&ta); fb->get_Strikethrough(&tb);
        fa->get_Weight(&wa); fb->get_Weight(&wb);
        fa->get_Charset(&ca); fb->get_Charset(&cb);
        same = lstrcmpiW(na ? na : L"", nb ? nb : L"") == 0 && sa.int64 == sb.int64 && !ba == !bb && !ia == !ib &&
               !ua == !ub && !ta == !tb && wa == wb && ca == cb;
        SysFreeString(na);
        SysFreeString(nb);
    }
    if (fa) fa->Release();
    if (fb) fb->Release();
    return same;
}

}  // namespace kx
