#pragma once
#include <windows.h>
#include <dispex.h>

#include <functional>
#include <map>
#include <string>

// A late-bound object as callers hand them in: named members answered by handlers. Like Wine's script
// objects (VBScript classes) it can know its names only through IDispatchEx::GetDispID, whose lookup
// ignores letter case only when asked to; its GetIDsOfNames is then a stub.
namespace kxtest {

class ScriptObject : public IDispatchEx {
public:
    enum class Names { ByGetIDsOfNames, ByGetDispIDOnly };
    using Member = std::function<HRESULT(WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception)>;

    explicit ScriptObject(Names names = Names::ByGetIDsOfNames) : names_(names) {}

    void Add(const wchar_t* name, DISPID id, Member member) {
        ids_[name] = id;
        members_[id] = std::move(member);
    }
    // A read-only property holding a 32-bit value.
    void AddLong(const wchar_t* name, DISPID id, LONG value) {
        Add(name, id, [value](WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*) {
            if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
            result->vt = VT_I4;
            result->lVal = value;
            return S_OK;
        });
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        const bool extended = names_ == Names::ByGetDispIDOnly && iid == __uuidof(IDispatchEx);
        *out = iid == IID_IUnknown || iid == IID_IDispatch || extended ? static_cast<IDispatchEx*>(this) : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }  // lives on the test's stack
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (names_ == Names::ByGetDispIDOnly) return E_NOTIMPL;
        return Find(names[0], true, ids[0]);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT*) override {
        const auto found = members_.find(id);
        return found == members_.end() ? DISP_E_MEMBERNOTFOUND : found->second(flags, params, result, exception);
    }

    STDMETHODIMP GetDispID(BSTR name, DWORD flags, DISPID* id) override {
        return Find(name, (flags & fdexNameCaseInsensitive) != 0, *id);
    }
    STDMETHODIMP InvokeEx(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, IServiceProvider*) override {
        return Invoke(id, IID_NULL, lcid, flags, params, result, exception, nullptr);
    }
    STDMETHODIMP DeleteMemberByName(BSTR, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP DeleteMemberByDispID(DISPID) override { return E_NOTIMPL; }
    STDMETHODIMP GetMemberProperties(DISPID, DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMemberName(DISPID, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP GetNextDispID(DWORD, DISPID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetNameSpaceParent(IUnknown**) override { return E_NOTIMPL; }

private:
    HRESULT Find(const wchar_t* name, bool ignoreCase, DISPID& id) const {
        for (const auto& [known, knownId] : ids_) {
            const bool same = ignoreCase ? lstrcmpiW(known.c_str(), name) == 0 : known == name;
            if (!same) continue;
            id = knownId;
            return S_OK;
        }
        return DISP_E_UNKNOWNNAME;
    }

    Names names_;
    std::map<std::wstring, DISPID> ids_;
    std::map<DISPID, Member> members_;
    ULONG refs_ = 1;
};

}  // namespace kxtest
