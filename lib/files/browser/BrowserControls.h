#pragma once
#include <vector>

#include "AutomationObject.h"
#include "BrowserForm.h"
#include "Korvix32_h.h"

// The browser's Controls collection: its constituents as read-only elements (Name, Index, hWnd, Visible),
// by position from 0 or by name, and in a For Each. The collection is a snapshot of the constituents; an
// element reads its window's visibility when asked.
namespace kx {

class BrowserControl : public AutomationObject<_actControl> {
public:
    explicit BrowserControl(PartRecord part) : part_(std::move(part)) {}
    STDMETHODIMP get_Name(BSTR* Name) override;
    STDMETHODIMP get_Index(short* Index) override;
    STDMETHODIMP get_Hwnd(LONG* Hwnd) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* Visible) override;
    const std::wstring& Name() const { return part_.name; }

private:
    PartRecord part_;
};

class BrowserControls : public AutomationObject<_actControls> {
public:
    explicit BrowserControls(const std::vector<PartRecord>& parts);
    ~BrowserControls() override;
    STDMETHODIMP get_Count(LONG* Count) override;
    STDMETHODIMP get_Item(VARIANT Index, _actControl** Item) override;
    STDMETHODIMP get__NewEnum(IUnknown** Enumerator) override;

private:
    std::vector<BrowserControl*> elements_;
};

}  // namespace kx
