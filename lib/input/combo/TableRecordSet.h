#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>
#include <vector>

#include "NamedDispatch.h"

// An in-memory record source with typed columns, reached by name as the lookup combo and its grid reach
// an ADO record set: RecordCount, EOF, MoveFirst, MoveNext, Bookmark (get, let), Find(criterion, skip,
// direction, start), Fields(name) (or Fields then Item(name)) with each field's Type and Value. Not
// registered: for tests, the benchmark and C++ hosts.
namespace kx {

class TableRecordSet : public NamedDispatch {
public:
    // ADO type numbers of the columns it holds.
    enum ColumnType : long { kLong = 3, kDouble = 5, kDate = 7, kBoolean = 11, kText = 202 };

    TableRecordSet();  // one reference
    ~TableRecordSet() override;

    void AddColumn(const std::wstring& name, ColumnType type);
    // One value per column, in column order, converted to the column's type; Null and Empty stay Null.
    void AddRecord(const std::vector<VARIANT>& values);
    size_t Size() const { return records_.size(); }
    long Position() const { return position_; }  // Size() at EOF

    // For tests: the count RecordCount reports instead of the true one (ADO gives -1 when it does not know).
    void ReportCount(long count) { reportedCount_ = count; hasReportedCount_ = true; }
    // For tests: runs inside MoveNext, after the move.
    void OnMoveNext(std::function<void()> hook) { onMoveNext_ = std::move(hook); }
    // For tests: the named member (RecordCount, EOF, MoveFirst, MoveNext, Bookmark, Find, Fields) fails.
    void FailMember(const std::wstring& name) { failing_ = name; }
    // The criteria Find was given, in order.
    const std::vector<std::wstring>& Criteria() const { return criteria_; }

protected:
    void Call(DISPID member, WORD flags, const std::vector<const VARIANT*>& args, VARIANT* result) override;

private:
    struct Column {
        std::wstring name;
        ColumnType type;
    };
    class Field;
    class Fields;

    size_t ColumnIndex(const std::wstring& name) const;  // throws 3265 when there is none
    void FieldOf(const VARIANT& index, VARIANT* result);
    void Find(const std::vector<const VARIANT*>& args);
    void MoveTo(const VARIANT& bookmark);
    void FailIfAsked(DISPID member) const;
    const VARIANT& Cell(size_t column) const;  // of the current record; throws 3021 at EOF

    std::vector<Column> columns_;
    std::vector<std::vector<VARIANT>> records_;
    long position_ = 0;
    long reportedCount_ = 0;
    bool hasReportedCount_ = false;
    std::function<void()> onMoveNext_;
    std::wstring failing_;
    std::vector<std::wstring> criteria_;
};

}  // namespace kx
