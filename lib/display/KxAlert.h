#pragma once
#include "AlertFrontEnd.h"
#include "AutomationObject.h"
#include "ConnectionPoint.h"

namespace kx {

// kxAlert: the pop-up alert made in code. Its Show waits, handling the thread's messages, while the alert
// has any button text, and returns the number of the button pressed; errors inside Show are trapped.
class KxAlert : public AlertFrontEnd<AutomationObject<_kxAlert>>,
                public IConnectionPointContainer,
                public IProvideClassInfo2 {
public:
    KxAlert();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AutomationObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return AutomationObject::Release(); }

    STDMETHODIMP Show(BSTR mText, short* Result) override;

    // IConnectionPointContainer: ButtonClick.
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;
    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

protected:
    const wchar_t* Source() const override { return L"Korvix32.kxAlert"; }
    void SettingChanged(const wchar_t*) override {}
    void FontForRead() override;
    void RaiseButtonClick(short& number) override;
    void BeforeShowForm() override;
    void FinalRelease() override { events_.UnadviseAll(); }

private:
    // Waits for a button given since the wait began; ends early when no loaded window has this alert as
    // its Owner any more, or on WM_QUIT. Returns the number Show returns.
    short WaitForChoice(unsigned long mark);

    ConnectionPoint events_;
};

}  // namespace kx
