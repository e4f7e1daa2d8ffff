#pragma once
#include <unknwn.h>

// A reference held for a scope, so that the object outlives a call inside which its host may drop the last
// reference it had (an event handler, a message loop); the object may go when the scope ends.
namespace kx {

class KeepAlive {
public:
    explicit KeepAlive(IUnknown* object) : object_(object) {  // null: nothing held
        if (object_) object_->AddRef();
    }
    ~KeepAlive() {
        if (object_) object_->Release();
    }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    IUnknown* object_;
};

}  // namespace kx
