#pragma once
#include <windows.h>

namespace kx {

// Enters every public class, its program identity and the type library into the registry.
HRESULT RegisterServer();
// Removes exactly what RegisterServer wrote.
HRESULT UnregisterServer();

}  // namespace kx
