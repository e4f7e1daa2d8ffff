#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// Properties of an object reached by name, as a late-bound caller of the classic runtime does:
// failures throw kx::Error with the runtime's number (91 no object, 438 no such member).
namespace kx {

// An owned VARIANT, cleared when it goes.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&value_); }
    ~OwnedVariant() { VariantClear(&value_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

private:
    VARIANT value_;
};

void GetProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result);
void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);

long GetLongProperty(IDispatch* object, const wchar_t* name);
double GetDoubleProperty(IDispatch* object, const wchar_t* name);
bool GetBoolProperty(IDispatch* object, const wchar_t* name);
std::wstring GetTextProperty(IDispatch* object, const wchar_t* name);

void PutLongProperty(IDispatch* object, const wchar_t* name, long value);
void PutDoubleProperty(IDispatch* object, const wchar_t* name, double value);
void PutBoolProperty(IDispatch* object, const wchar_t* name, bool value);
void PutTextProperty(IDispatch* object, const wchar_t* name, const std::wstring& text);

}  // namespace kx
