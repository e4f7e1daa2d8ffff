#include "ComboLookup.h"

#include "ClassicRuntime.h"
#include "LookupCriterion.h"
#include "RecordSource.h"

namespace kx {

std::wstring LookUpShownText(IDispatch* source, const std::wstring& keyField, const std::wstring& showField,
                             const std::wstring& key) {
    const RecordSource records(source);
    const std::optional<std::wstring> criterion = LookupCriterion(keyField, records.FieldType(keyField), key);
    if (!criterion) return {};
    records.Find(*criterion);
    if (records.AtEof()) return {};
    OwnedVariant value;
    records.FieldValue(showField, value);
    const VARIANT& shown = Deref(*value);
    if (shown.vt == VT_NULL || shown.vt == VT_EMPTY) return {};
    return ToText(shown);
}

}  // namespace kx
