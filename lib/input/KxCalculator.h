#pragma once
#include <windows.h>

#include "CalculatorEngine.h"
#include "Control.h"
#include "Korvix32_h.h"
#include "WindowSubclasser.h"

namespace kx {

// kxCalculator: a pocket calculator of a read-only readout and 29 push buttons, worked by mouse or
// keyboard. The buttons never keep the focus: after any press the readout has it, so the keys always
// reach the calculator. GetValue tells the host that the user confirmed a result.
class KxCalculator : public Control<_kxCalculator>, private SubclassOwner {
public:
    KxCalculator();
    ~KxCalculator() override;

    STDMETHODIMP ResetValue() override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_Value(DOUBLE* Value) override;
    STDMETHODIMP put_Value(DOUBLE Value) override;

    // For tests and the numeric input's drop-down: the readout and a button by its index in the table.
    HWND ReadoutWindow() const { return readout_; }
    HWND ButtonWindow(int index) const { return buttons_[index]; }
    // Presses the button as a click does.
    void Press(int index);

protected:
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Show() override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void CreateReadout();
    void CreateButtons();
    HFONT BackButtonFont();
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;
    // Shows the readout and does what the press asks: the message, the focus, then GetValue.
    void Apply(const CalculatorOutcome& outcome);
    void ShowReadout();
    void FocusReadout();
    int IndexOfButton(HWND button) const;

    CalculatorEngine engine_;
    HWND readout_ = nullptr;
    HWND buttons_[29] = {};
    HWND tooltip_ = nullptr;
    IFontDisp* readoutFont_ = nullptr;
    HFONT symbolFont_ = nullptr;
    HBRUSH readoutBrush_ = nullptr;
    WindowSubclasser subclasser_{*this, static_cast<IOleObject*>(this)};
    bool sizing_ = false;
};

}  // namespace kx
