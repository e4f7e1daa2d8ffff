#pragma once
#include <string>

#include "ColumnList.h"

// What the grid drop-down reads and sets of its lookup combo.
namespace kx {

class ComboGridOwner {
public:
    virtual bool OneTimeLoaded() const = 0;
    virtual void SetOneTimeLoaded(bool loaded) = 0;
    virtual ColumnSlot ListSlot(int index) const = 0;
    // The combo's text box: what it holds, and the key the user picked written into it.
    virtual std::wstring BoxText() const = 0;
    virtual void SetBoxText(const std::wstring& text) = 0;

protected:
    ~ComboGridOwner() = default;
};

}  // namespace kx
