#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <utility>
#include <vector>

// Design-time properties of a control: an in-memory bag whose keys match without regard to case
// and keep their first spelling and order, and the read-with-default / write-unless-default rules.
namespace kx {

class MemoryPropertyBag : public IPropertyBag {
public:
    MemoryPropertyBag();
    virtual ~MemoryPropertyBag();
    MemoryPropertyBag(const MemoryPropertyBag&) = delete;
    MemoryPropertyBag& operator=(const MemoryPropertyBag&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    // Keys in the order first written, with their values (a copy of the variant).
    size_t Count() const { return entries_.size(); }
    const std::wstring& KeyAt(size_t index) const { return entries_[index].first; }
    const VARIANT* Find(const std::wstring& name) const;
    void Clear();

    // A flat binary form for IPersistStreamInit: plain values by type, objects by OleSaveToStream.
    HRESULT SaveTo(IStream* stream) const;
    HRESULT LoadFrom(IStream* stream);

private:
    VARIANT* FindMutable(const std::wstring& name);
    std::vector<std::pair<std::wstring, VARIANT>> entries_;
    volatile LONG refs_ = 1;
};

// Reads typed values from a container's bag; a missing key or a value that cannot take the type
// gives the default.
class PropertyReader {
public:
    explicit PropertyReader(IPropertyBag* bag) : bag_(bag) {}
    long Long(const wchar_t* key, long fallback) const;
    bool Boolean(const wchar_t* key, bool fallback) const;
    double Double(const wchar_t* key, double fallback) const;
    std::wstring Text(const wchar_t* key, const std::wstring& fallback) const;
    // Objects: a new reference, or the fallback add-ref'd (may be null).
    IFontDisp* Font(const wchar_t* key, IFontDisp* fallback) const;
    IPictureDisp* Picture(const wchar_t* key, IPictureDisp* fallback) const;
    IDispatch* Reference(const wchar_t* key) const;  // another control or object of the host; null for none

private:
    bool ReadAs(const wchar_t* key, VARTYPE type, VARIANT* out) const;
    IDispatch* Object(const wchar_t* key, REFIID iid, IDispatch* fallback) const;
    IPropertyBag* bag_;
};

// Writes typed values to a container's bag; a value equal to its default is left out.
class PropertyWriter {
public:
    explicit PropertyWriter(IPropertyBag* bag) : bag_(bag) {}
    void Long(const wchar_t* key, long value, long fallback) const;
    void Long(const wchar_t* key, long value) const;  // no default: always written
    void Boolean(const wchar_t* key, bool value, bool fallback) const;
    void Double(const wchar_t* key, double value, double fallback) const;
    void Single(const wchar_t* key, float value, float fallback) const;
    void Text(const wchar_t* key, const std::wstring& value, const std::wstring& fallback) const;
    void Text(const wchar_t* key, const std::wstring& value) const;  // no default: always written
    void Font(const wchar_t* key, IFontDisp* value, IFontDisp* fallback) const;
    void Picture(const wchar_t* key, IPictureDisp* value) const;  // default: none
    void Reference(const wchar_t* key, IDispatch* value) const;    // default: none

private:
    void Put(const wchar_t* key, VARIANT& value) const;
    IPropertyBag* bag_;
};

// Whether two fonts have the same face, size, weight, style and character set.
bool SameFont(IFontDisp* a, IFontDisp* b);

}  // namespace kx
