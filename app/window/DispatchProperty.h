#pragma once
#include <windows.h>
#include <oaidl.h>

#include <optional>

// Properties of a hosted control set and read by dispatch identity, as a late-bound host does.
namespace zarvanta {

bool PutBoolean(IDispatch* object, DISPID id, bool value);
bool PutDouble(IDispatch* object, DISPID id, double value);
// Nothing when the object cannot give the property as a Boolean.
std::optional<bool> GetBoolean(IDispatch* object, DISPID id);

}  // namespace zarvanta
