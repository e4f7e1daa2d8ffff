#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// Members of a caller's objects (forms, fonts, printers, status bars, script classes) reached by name at run
// time, as a late-bound caller of the classic runtime reaches them. Every such call of the library goes
// through here. Failures throw kx::Error with the runtime's number: 91 for no object, 438 for no such member,
// or the error the object reported.
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
    const VARIANT* operator->() const { return &value_; }

private:
    VARIANT value_;
};

// The dispatch identity of a member: IDispatchEx::GetDispID without regard to case where the object has it
// (Wine's script objects answer names only there), GetIDsOfNames otherwise and for a name GetDispID does not
// know. A failure HRESULT when the object knows no such member.
HRESULT FindMemberId(IDispatch* object, const wchar_t* name, DISPID& id);

// A property or parameterless function; with an index, its one argument (Panels(2), List(i)).
void GetProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result);
void GetProperty(IDispatch* object, const wchar_t* name, long index, OwnedVariant& result);
// A member called with arguments in the caller's order (Find(criterion, 0, 1, 1), Fields("Name")).
void CallMember(IDispatch* object, const wchar_t* name, const VARIANT* args, UINT count, OwnedVariant& result);
// The object's default member (its value).
void GetDefaultValue(IDispatch* object, OwnedVariant& result);
void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);
void PutPropertyRef(IDispatch* object, const wchar_t* name, IDispatch* value);

long GetLongProperty(IDispatch* object, const wchar_t* name);
double GetDoubleProperty(IDispatch* object, const wchar_t* name);
bool GetBoolProperty(IDispatch* object, const wchar_t* name);
std::wstring GetTextProperty(IDispatch* object, const wchar_t* name);

void PutLongProperty(IDispatch* object, const wchar_t* name, long value);
void PutDoubleProperty(IDispatch* object, const wchar_t* name, double value);
void PutBoolProperty(IDispatch* object, const wchar_t* name, bool value);
void PutTextProperty(IDispatch* object, const wchar_t* name, const std::wstring& text);

}  // namespace kx
