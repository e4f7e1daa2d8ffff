#include "RecordSource.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"

namespace kx {
namespace {

constexpr int kErrWrongArgumentCount = 450;

VARIANT LongArgument(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// A text argument that frees its string.
class TextArgument {
public:
    explicit TextArgument(const std::wstring& text) {
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocString(text.c_str());
        if (!value_.bstrVal) throw Error(kErrOutOfMemory);
    }
    ~TextArgument() { SysFreeString(value_.bstrVal); }
    TextArgument(const TextArgument&) = delete;
    TextArgument& operator=(const TextArgument&) = delete;
    const VARIANT& get() const { return value_; }

private:
    VARIANT value_;
};

IDispatch* ObjectIn(const OwnedVariant& value) {
    const VARIANT& v = Deref(*value);
    if (v.vt != VT_DISPATCH || !v.pdispVal) throw Error(kErrObjectRequired);
    return v.pdispVal;
}

}  // namespace

RecordSource::RecordSource(IDispatch* source) : source_(source) {
    if (!source_) throw Error(kErrObjectRequired);
    source_->AddRef();
}

RecordSource::~RecordSource() { source_->Release(); }

long RecordSource::RecordCount() const { return GetLongProperty(source_, L"RecordCount"); }

bool RecordSource::AtEof() const { return GetBoolProperty(source_, L"EOF"); }

void RecordSource::MoveFirst() const {
    OwnedVariant ignored;
    CallMember(source_, L"MoveFirst", nullptr, 0, ignored);
}

void RecordSource::MoveNext() const {
    OwnedVariant ignored;
    CallMember(source_, L"MoveNext", nullptr, 0, ignored);
}

void RecordSource::Bookmark(OwnedVariant& bookmark) const { GetProperty(source_, L"Bookmark", bookmark); }

void RecordSource::SetBookmark(const VARIANT& bookmark) const { PutProperty(source_, L"Bookmark", bookmark); }

void RecordSource::Find(const std::wstring& criterion) const {
    const TextArgument text(criterion);
    const VARIANT args[4] = {text.get(), LongArgument(0), LongArgument(1), LongArgument(1)};
    OwnedVariant ignored;
    CallMember(source_, L"Find", args, 4, ignored);
}

// Fields(name): a Fields member that takes the name answers at once; a Fields collection that takes none
// is asked for its Item, as ADO's has it.
void RecordSource::FieldOf(const std::wstring& field, OwnedVariant& item) const {
    const TextArgument name(field);
    try {
        CallMember(source_, L"Fields", &name.get(), 1, item);
        return;
    } catch (const Error& e) {
        if (e.number != kErrWrongArgumentCount) throw;
    }
    OwnedVariant fields;
    GetProperty(source_, L"Fields", fields);
    CallMember(ObjectIn(fields), L"Item", &name.get(), 1, item);
}

long RecordSource::FieldType(const std::wstring& field) const {
    OwnedVariant item;
    FieldOf(field, item);
    return GetLongProperty(ObjectIn(item), L"Type");
}

void RecordSource::FieldValue(const std::wstring& field, OwnedVariant& value) const {
    OwnedVariant item;
    FieldOf(field, item);
    GetProperty(ObjectIn(item), L"Value", value);
}

}  // namespace kx
