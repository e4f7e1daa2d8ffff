#pragma once
#include "ComboPage.h"

// prpFields ("Fields"): the combo's KeyField and ShowField, chosen among the names of its column list or typed.
namespace kx {

class FieldsPage : public ComboPage {
public:
    enum ItemId : int { kKeyFieldLabel = 1, kKeyField, kShowFieldLabel, kShowField };

    FieldsPage();

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;
    void Command(int id, int code) override;
};

}  // namespace kx
