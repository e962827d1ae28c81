#pragma once
// Member tables for the built-in objects: each class lists its members once (name and argument
// counts) and dispatches on the index with a switch. Index 0 is the default member; a class
// without one leaves its name empty.
#include <cstdint>
#include <span>
#include <string_view>

#include "script/values/object.h"
#include "script/values/value.h"

namespace vbs {

enum MemberKind : uint8_t {
    kMethod,
    kReadOnly,   // a property
    kReadWrite,  // a property that accepts Let/Set, the value coming as one more argument
};

struct Member {
    std::u16string_view name;
    int8_t minArgs = 0;
    int8_t maxArgs = 0;
    MemberKind kind = kMethod;
};

class MemberTable {
public:
    constexpr MemberTable(std::span<const Member> members) : members_(members) {}

    // Case-insensitive; kNoMember when absent.
    int find(std::u16string_view name) const;
    // The member with this id, or nullptr (the caller raises 438).
    const Member* member(int id) const;
    // Raises 450 for a wrong argument count or an assignment to a member that takes none.
    static void check(const Member& m, Invoke kind, int argc);
    std::u16string_view name(int id) const { return members_[id].name; }

private:
    std::span<const Member> members_;
};

// Base of the built-in objects: look-up, type key, argument checks and dispatch from one table.
class TableObject : public Object {
public:
    explicit TableObject(const MemberTable& table) : table_(table) {}
    const void* typeKey() const final { return &table_; }
    int memberId(std::u16string_view name) const final { return table_.find(name); }
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override;
    const MemberTable& table() const { return table_; }

protected:
    // Called once id and the argument count have been checked against the table.
    virtual void call(int id, Invoke kind, Value* args, int argc, Value& result) = 0;

private:
    [[gnu::noinline]] void indexProperty(int id, Value* args, int argc, Value& result);
    const MemberTable& table_;
};

// A string parameter's value as COM converts it: a Boolean is "-1" or "0", Null does not
// convert (13), an object gives its default value; the rest as CStr.
String comText(const Value& v);

// An optional argument is present when passed and not the "missing" marker the VM uses for
// skipped arguments (an Error value).
inline bool hasArg(const Value* args, int argc, int i) {
    return i < argc && args[i].type != Type::Error;
}

}  // namespace vbs
