#include "script/objects/debug_object.h"

#include <cstdint>

#include "script/objects/members.h"

namespace vbs {

namespace {

constexpr Member kMembers[] = {{}, {u"Write", 0, INT8_MAX}, {u"WriteLine", 0, INT8_MAX}};
constexpr MemberTable kTable(kMembers);

class DebugObject final : public TableObject {
public:
    DebugObject() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"Object"; }

private:
    void call(int, Invoke, Value*, int, Value&) override {}
};

}  // namespace

Value newDebugObject() { return Value::object(new DebugObject); }

}  // namespace vbs
