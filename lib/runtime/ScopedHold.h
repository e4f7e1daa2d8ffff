#pragma once
#include <unknwn.h>

// A reference held for a scope, so that the object outlives a call inside which its host may drop the last
// reference it had (an event handler, a message loop); the object may go when the scope ends.
namespace kx {

class ScopedHold {
public:
    explicit ScopedHold(IUnknown* object) : object_(object) {  // null: nothing held
        if (object_) object_->AddRef();
    }
    ~ScopedHold() {
        if (object_) object_->Release();
    }
    ScopedHold(const ScopedHold&) = delete;
    ScopedHold& operator=(const ScopedHold&) = delete;

private:
    IUnknown* object_;
};

}  // namespace kx
