#pragma once
#include <unknwn.h>

namespace kx {

// Holds a reference to an object for a scope: while a host's event handler runs, the host may drop its own.
class KeepAlive {
public:
    explicit KeepAlive(IUnknown* object) : object_(object) { object_->AddRef(); }
    ~KeepAlive() { object_->Release(); }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    IUnknown* object_;
};

}  // namespace kx
