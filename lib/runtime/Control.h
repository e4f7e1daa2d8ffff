#pragma once
#include "AutomationObject.h"
#include "ControlBase.h"

// A control: its dual interface through AutomationObject, the control protocol through ControlBase.
namespace kx {

template <class Interface>
class Control : public AutomationObject<Interface>, public ControlBase {
public:
    Control(REFCLSID clsid, REFIID events, int widthTwips, int heightTwips)
        : ControlBase(clsid, events, widthTwips, heightTwips) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        const HRESULT hr = AutomationObject<Interface>::QueryInterface(iid, out);
        return hr == E_NOINTERFACE ? QueryControlInterface(iid, out) : hr;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return AutomationObject<Interface>::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return AutomationObject<Interface>::Release(); }

protected:
    void FinalRelease() override { Terminate(); }

    DISPID DispIdOfName(const wchar_t* name) override {
        ITypeInfo* info = InterfaceTypeInfo(__uuidof(Interface));
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = DISPID_UNKNOWN;
        if (!info || FAILED(DispGetIDsOfNames(info, names, 1, &id))) return DISPID_UNKNOWN;
        return id;
    }
};

}  // namespace kx
