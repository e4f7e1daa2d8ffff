#pragma once
#include <windows.h>

// Window handles and device contexts cross the public interfaces as 32-bit signed integers;
// the platform keeps their significant bits in the low 32 bits, sign-extended on 64-bit Windows.
namespace kx {

template <class Handle>
Handle HandleFromLong(long value) {
    return reinterpret_cast<Handle>(static_cast<LONG_PTR>(value));
}

template <class Handle>
long LongFromHandle(Handle handle) {
    return static_cast<long>(reinterpret_cast<LONG_PTR>(handle));
}

}  // namespace kx
