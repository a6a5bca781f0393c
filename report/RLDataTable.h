#pragma once
// A small in-memory table that the report forms bind their pagers to: typed fields, records kept in
// the order of a list of sort fields, an append/post cycle and a cursor. No general dataset engine.
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace luvenor {

enum class TRLFieldType { ftString, ftInteger };

struct TRLFieldDef {
    std::string Name;
    TRLFieldType DataType = TRLFieldType::ftString;
    int Size = 0;  // characters kept by a text field; 0 = no limit
};

using TRLFieldValue = std::variant<std::string, int>;

class TRLDataTable {
public:
    explicit TRLDataTable(std::string name = {});

    const std::string& Name() const { return name_; }

    // Fields are defined before the first record; defining one empties the table.
    void AddField(const std::string& name, TRLFieldType type, int size = 0);
    const std::vector<TRLFieldDef>& Fields() const { return fields_; }
    // Records are kept ordered by these fields, ascending; names must be defined fields.
    void SetIndexFieldNames(const std::vector<std::string>& names);

    // A table with fields is active; a pager treats an inactive table as having no records.
    bool Active() const { return !fields_.empty(); }

    // Starts a new record (all fields at their zero value) and makes it current.
    void Append();
    // Stores the appended record at its sorted place and makes it current.
    void Post();
    // Drops the appended record without storing it.
    void Cancel();
    bool Editing() const { return editing_; }

    void Empty();
    void First();
    void Next();
    bool Eof() const;
    int RecordCount() const { return static_cast<int>(records_.size()); }
    int RecNo() const { return cursor_; }  // 0-based; -1 when there is no current record

    void SetString(const std::string& field, const std::string& value);
    void SetInteger(const std::string& field, int value);
    std::string AsString(const std::string& field) const;
    int AsInteger(const std::string& field) const;

    // Runs whenever a record becomes current: after Append and after a move to a record.
    std::function<void(TRLDataTable&)> AfterScroll;

private:
    using Record = std::vector<TRLFieldValue>;

    int FieldIndex(const std::string& field) const;
    const Record* CurrentRecord() const;
    Record* CurrentRecordForWrite();
    bool Less(const Record& a, const Record& b) const;
    void Scrolled();

    std::string name_;
    std::vector<TRLFieldDef> fields_;
    std::vector<int> index_;
    std::vector<Record> records_;
    Record pending_;
    bool editing_ = false;
    bool eof_ = true;
    int cursor_ = -1;
};

}  // namespace luvenor
