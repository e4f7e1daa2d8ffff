#pragma once
#include <windows.h>
#include <oaidl.h>

// A public Object variable of a control: holds one reference to whatever the host or the control put in it.
namespace kx {

class ObjectVariable {
public:
    ObjectVariable() = default;
    ~ObjectVariable() { Set(nullptr); }
    ObjectVariable(const ObjectVariable&) = delete;
    ObjectVariable& operator=(const ObjectVariable&) = delete;

    IDispatch* get() const { return object_; }  // not add-ref'd
    explicit operator bool() const { return object_ != nullptr; }

    // Keeps a reference of its own.
    void Set(IDispatch* object) {
        if (object) object->AddRef();
        IDispatch* old = object_;
        object_ = object;
        if (old) old->Release();  // last: releasing may run the old object's code
    }
    // Takes over a reference the caller owned.
    void Adopt(IDispatch* object) {
        Set(object);
        if (object) object->Release();
    }
    // The property get: an add-ref'd copy.
    HRESULT CopyTo(IDispatch** out) const {
        if (!out) return E_POINTER;
        *out = object_;
        if (object_) object_->AddRef();
        return S_OK;
    }

private:
    IDispatch* object_ = nullptr;
};

}  // namespace kx
