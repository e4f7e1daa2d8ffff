#include "CalcDropDown.h"

#include "ControlHost.h"
#include "KeepAlive.h"
#include "KxCalculator.h"
#include "PropertyBag.h"

namespace kx {
namespace {

constexpr DISPID kGetValue = -601;

}  // namespace

CalcDropDown::CalcDropDown(IUnknown* owner, std::function<void(double)> onResult, std::function<void()> onHidden)
    : owner_(owner), onResult_(std::move(onResult)), window_(std::move(onHidden)) {
    ControlHost* host = window_.Host();
    if (!host) return;
    auto* calculator = new KxCalculator();
    auto* bag = new MemoryPropertyBag();  // loaded as from a saved form: reset, Enabled True
    const RECT bounds = {0, 0, 1, 1};     // the calculator takes its own size
    ControlSite* site = host->PlaceObject(static_cast<IOleObject*>(calculator), L"kxCalculator1", bounds, bag,
                                          [this](DISPID id, DISPPARAMS*) {
                                              if (id == kGetValue) OnGetValue();
                                          });
    bag->Release();
    if (!site) {
        calculator->Release();
        return;
    }
    calculator_ = calculator;
    RECT size = {};
    GetClientRect(site->ControlWindow(), &size);
    window_.SetClientSize(size.right, size.bottom);
}

CalcDropDown::~CalcDropDown() {
    if (calculator_) calculator_->Release();
}

void CalcDropDown::Open(HWND control, double value) {
    if (!Exists()) return;
    calculator_->put_Value(value);
    window_.Open(control, true);
    SetFocus(calculator_->ReadoutWindow());
}

// Value's get evaluates what is pending; a readout that is no number confirms nothing.
void CalcDropDown::OnGetValue() {
    double value = 0;
    if (FAILED(calculator_->get_Value(&value))) return;
    const KeepAlive hold(owner_);  // its release, the last thing done here, may end this drop-down
    if (onResult_) onResult_(value);
    window_.Hide();
}

}  // namespace kx
