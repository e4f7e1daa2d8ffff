#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// IDispatch for a small object outside the type library: members known by a table of names (matched
// without case) and called through one virtual Call. Failures of Call reach the caller as DISP_E_EXCEPTION
// with the number and text of the thrown kx::Error.
namespace kx {

class NamedDispatch : public IDispatch {
public:
    struct Member {
        const wchar_t* name;
        DISPID id;
    };

    explicit NamedDispatch(std::vector<Member> members) : members_(std::move(members)) {}
    virtual ~NamedDispatch() = default;
    NamedDispatch(const NamedDispatch&) = delete;
    NamedDispatch& operator=(const NamedDispatch&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

protected:
    // One call; args in the caller's order, by-reference variants resolved. Throws kx::Error on failure.
    virtual void Call(DISPID member, WORD flags, const std::vector<const VARIANT*>& args, VARIANT* result) = 0;

private:
    std::vector<Member> members_;
    volatile LONG refs_ = 1;
};

}  // namespace kx
