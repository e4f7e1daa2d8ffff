#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "LateBinding.h"

// The host's record source as the lookup combo and its grid use it: by member name only, as an ADO
// record set or any object with the same members. Every failure throws kx::Error with the source's number.
namespace kx {

class RecordSource {
public:
    explicit RecordSource(IDispatch* source);  // keeps a reference while the view lives
    ~RecordSource();
    RecordSource(const RecordSource&) = delete;
    RecordSource& operator=(const RecordSource&) = delete;

    long RecordCount() const;
    bool AtEof() const;
    void MoveFirst() const;
    void MoveNext() const;
    void Bookmark(OwnedVariant& bookmark) const;
    void SetBookmark(const VARIANT& bookmark) const;
    // Find(criterion, 0, 1, 1): skip none, forward, from the first record.
    void Find(const std::wstring& criterion) const;
    long FieldType(const std::wstring& field) const;
    void FieldValue(const std::wstring& field, OwnedVariant& value) const;

private:
    void FieldOf(const std::wstring& field, OwnedVariant& item) const;
    IDispatch* source_;
};

}  // namespace kx
