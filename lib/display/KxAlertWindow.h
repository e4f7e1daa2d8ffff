#pragma once
#include "AlertFrontEnd.h"
#include "Control.h"

namespace kx {

// kxAlertWindow: the pop-up alert placed on a form. Its settings live in the form's property bag; Show (the
// default member) starts the window and returns, and the choice comes back through ButtonClick and
// LastButtonSelect. Invisible at run time; at design time a fixed 480 x 480 twips face.
class KxAlertWindow : public AlertFrontEnd<Control<_kxAlertWindow>> {
public:
    KxAlertWindow();

    STDMETHODIMP Show(BSTR mText) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;

protected:
    const wchar_t* Source() const override { return L"Korvix32.kxAlertWindow"; }
    void SettingChanged(const wchar_t* name) override { PropertyChanged(name); }
    void RaiseButtonClick(short& number) override;

    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Paint() override;
    void Show() override;
    void AmbientChanged(DISPID id) override;

private:
    void KeepHiddenAtRunTime();
};

}  // namespace kx
