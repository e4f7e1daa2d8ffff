#include "TableRecordSet.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "FindCriterion.h"

namespace kx {
namespace {

// The record set's members and ADO's error numbers and texts for what it refuses.
enum Member : DISPID { kRecordCount = 1, kEof, kMoveFirst, kMoveNext, kBookmark, kFind, kFieldsMember };
enum FieldMember : DISPID { kValue = DISPID_VALUE, kName = 1, kType = 2 };

const Error kNoCurrentRecord(3021, L"Either BOF or EOF is True, or the current record has been deleted. "
                                   L"Requested operation requires a current record.");
const Error kNoSuchItem(3265, L"Item cannot be found in the collection corresponding to the requested name or "
                              L"ordinal.");
const Error kBadArguments(3001, L"Arguments are of the wrong type, are out of acceptable range, or are in conflict "
                                L"with one another.");

constexpr const wchar_t* kMemberNames[] = {L"", L"RecordCount", L"EOF", L"MoveFirst", L"MoveNext",
                                           L"Bookmark", L"Find", L"Fields"};

VARTYPE VariantTypeOf(TableRecordSet::ColumnType type) {
    switch (type) {
        case TableRecordSet::kLong: return VT_I4;
        case TableRecordSet::kDouble: return VT_R8;
        case TableRecordSet::kDate: return VT_DATE;
        case TableRecordSet::kBoolean: return VT_BOOL;
        default: return VT_BSTR;
    }
}

// The platform's conversions take their source as a plain pointer; they do not change it.
HRESULT ChangeType(VARIANT* out, const VARIANT& in, VARTYPE type) {
    return VariantChangeType(out, const_cast<VARIANT*>(&in), 0, type);
}

void SetLong(VARIANT* result, long value) {
    VariantClear(result);
    result->vt = VT_I4;
    result->lVal = value;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Whether a cell holds the criterion's value; a Null cell or one that does not convert holds none.
bool Matches(const VARIANT& cell, const FindCriterion& criterion) {
    if (cell.vt == VT_NULL || cell.vt == VT_EMPTY) return false;
    VARIANT value;
    VariantInit(&value);
    bool match = false;
    switch (criterion.kind) {
        case KeyKind::Number:
            match = SUCCEEDED(ChangeType(&value, cell, VT_R8)) && value.dblVal == criterion.number;
            break;
        case KeyKind::Boolean:
            match = SUCCEEDED(ChangeType(&value, cell, VT_BOOL)) &&
                    (value.boolVal != VARIANT_FALSE) == criterion.boolean;
            break;
        case KeyKind::Date: {
            SYSTEMTIME time = {};
            match = SUCCEEDED(ChangeType(&value, cell, VT_DATE)) &&
                    VariantTimeToSystemTime(value.date, &time) && time.wYear == criterion.year &&
                    time.wMonth == criterion.month && time.wDay == criterion.day;
            break;
        }
        case KeyKind::Text:
            match = SUCCEEDED(ChangeType(&value, cell, VT_BSTR)) &&
                    SameText(value.bstrVal ? value.bstrVal : L"", criterion.text);
            break;
    }
    VariantClear(&value);
    return match;
}

}  // namespace

// One field of the record set: Name, Type, Value of the current record (read when asked, as ADO's).
class TableRecordSet::Field : public NamedDispatch {
public:
    Field(TableRecordSet* owner, size_t column)
        : NamedDispatch({{L"Value", kValue}, {L"Name", kName}, {L"Type", kType}}), owner_(owner), column_(column) {
        owner_->AddRef();
    }
    ~Field() override { owner_->Release(); }

protected:
    void Call(DISPID member, WORD, const std::vector<const VARIANT*>&, VARIANT* result) override {
        const Column& column = owner_->columns_[column_];
        switch (member) {
            case kName:
                VariantClear(result);
                result->vt = VT_BSTR;
                result->bstrVal = SysAllocString(column.name.c_str());
                return;
            case kType: SetLong(result, column.type); return;
            default: VariantCopy(result, const_cast<VARIANT*>(&owner_->Cell(column_))); return;
        }
    }

private:
    TableRecordSet* owner_;
    size_t column_;
};

// The Fields collection, for callers that ask for Fields and then its Item(name).
class TableRecordSet::Fields : public NamedDispatch {
public:
    explicit Fields(TableRecordSet* owner) : NamedDispatch({{L"Item", DISPID_VALUE}, {L"Count", 1}}), owner_(owner) {
        owner_->AddRef();
    }
    ~Fields() override { owner_->Release(); }

protected:
    void Call(DISPID member, WORD, const std::vector<const VARIANT*>& args, VARIANT* result) override {
        if (member == 1) return SetLong(result, static_cast<long>(owner_->columns_.size()));
        if (args.size() != 1) throw kBadArguments;
        owner_->FieldOf(*args[0], result);
    }

private:
    TableRecordSet* owner_;
};

TableRecordSet::TableRecordSet()
    : NamedDispatch({{L"RecordCount", kRecordCount}, {L"EOF", kEof}, {L"MoveFirst", kMoveFirst},
                     {L"MoveNext", kMoveNext}, {L"Bookmark", kBookmark}, {L"Find", kFind},
                     {L"Fields", kFieldsMember}}) {}

TableRecordSet::~TableRecordSet() {
    for (auto& record : records_)
        for (VARIANT& cell : record) VariantClear(&cell);
}

void TableRecordSet::AddColumn(const std::wstring& name, ColumnType type) {
    columns_.push_back({name, type});
    for (auto& record : records_) {
        record.emplace_back();
        record.back().vt = VT_NULL;
    }
}

void TableRecordSet::AddRecord(const std::vector<VARIANT>& values) {
    std::vector<VARIANT> record(columns_.size());
    for (size_t i = 0; i < record.size(); ++i) {
        VariantInit(&record[i]);
        record[i].vt = VT_NULL;
        if (i >= values.size() || values[i].vt == VT_NULL || values[i].vt == VT_EMPTY) continue;
        if (FAILED(ChangeType(&record[i], values[i], VariantTypeOf(columns_[i].type)))) {
            for (VARIANT& cell : record) VariantClear(&cell);
            throw kBadArguments;
        }
    }
    records_.push_back(std::move(record));
}

size_t TableRecordSet::ColumnIndex(const std::wstring& name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (SameText(columns_[i].name, name)) return i;
    throw kNoSuchItem;
}

const VARIANT& TableRecordSet::Cell(size_t column) const {
    if (position_ < 0 || static_cast<size_t>(position_) >= records_.size()) throw kNoCurrentRecord;
    return records_[static_cast<size_t>(position_)][column];
}

void TableRecordSet::FieldOf(const VARIANT& index, VARIANT* result) {
    size_t column = 0;
    if (index.vt == VT_BSTR) {
        column = ColumnIndex(index.bstrVal ? index.bstrVal : L"");
    } else {
        const long ordinal = ToLong(index);
        if (ordinal < 0 || static_cast<size_t>(ordinal) >= columns_.size()) throw kNoSuchItem;
        column = static_cast<size_t>(ordinal);
    }
    VariantClear(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = new Field(this, column);
}

void TableRecordSet::FailIfAsked(DISPID member) const {
    if (!failing_.empty() && member > 0 && member < static_cast<DISPID>(std::size(kMemberNames)) &&
        SameText(failing_, kMemberNames[member]))
        throw Error(kErrInvalidCall, L"The record source failed on purpose");
}

// Find(criterion, skip, direction, start): forward from the first record (start 1) or the current one
// (start 0); the cursor stays on the first match, or at EOF when there is none.
void TableRecordSet::Find(const std::vector<const VARIANT*>& args) {
    if (args.empty() || args[0]->vt != VT_BSTR) throw kBadArguments;
    const std::wstring text = args[0]->bstrVal ? args[0]->bstrVal : L"";
    criteria_.push_back(text);
    const long skip = args.size() > 1 ? ToLong(*args[1]) : 0;
    const long direction = args.size() > 2 ? ToLong(*args[2]) : 1;
    const long start = args.size() > 3 ? ToLong(*args[3]) : 0;
    const std::optional<FindCriterion> criterion = ParseFindCriterion(text);
    if (!criterion || skip < 0 || direction != 1 || start < 0 || start > 1) throw kBadArguments;
    const size_t column = ColumnIndex(criterion->field);
    long from = (start == 1 ? 0 : position_) + skip;
    for (position_ = from; static_cast<size_t>(position_) < records_.size(); ++position_)
        if (Matches(records_[static_cast<size_t>(position_)][column], *criterion)) return;
    position_ = static_cast<long>(records_.size());
}

void TableRecordSet::MoveTo(const VARIANT& bookmark) {
    const long target = ToLong(bookmark);
    if (target < 0 || static_cast<size_t>(target) >= records_.size()) throw kBadArguments;
    position_ = target;
}

void TableRecordSet::Call(DISPID member, WORD flags, const std::vector<const VARIANT*>& args, VARIANT* result) {
    FailIfAsked(member);
    const bool atEof = position_ < 0 || static_cast<size_t>(position_) >= records_.size();
    switch (member) {
        case kRecordCount:
            return SetLong(result, hasReportedCount_ ? reportedCount_ : static_cast<long>(records_.size()));
        case kEof:
            VariantClear(result);
            result->vt = VT_BOOL;
            result->boolVal = atEof ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case kMoveFirst: position_ = 0; return;
        case kMoveNext:
            if (atEof) throw kNoCurrentRecord;
            ++position_;
            if (onMoveNext_) onMoveNext_();
            return;
        case kBookmark:
            if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
                if (args.empty()) throw kBadArguments;
                return MoveTo(*args.back());
            }
            if (atEof) throw kNoCurrentRecord;
            return SetLong(result, position_);
        case kFind: return Find(args);
        default:
            if (args.empty()) {
                VariantClear(result);
                result->vt = VT_DISPATCH;
                result->pdispVal = new Fields(this);
                return;
            }
            return FieldOf(*args[0], result);
    }
}

}  // namespace kx
