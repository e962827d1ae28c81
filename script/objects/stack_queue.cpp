#include "script/objects/stack_queue.h"

#include <deque>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/memory.h"
#include "script/objects/members.h"
#include "script/objects/net_values.h"

namespace vbs {

namespace {

// The two share their members but the names of putting and taking; a Stack has no TrimToSize.
enum Id { Put, Take, Peek, Count, Clear, Contains, ToArray, Clone, TrimToSize };
constexpr Member kStackMembers[] = {
    {u"Push", 1, 1}, {u"Pop", 0, 0}, {u"Peek", 0, 0}, {u"Count", 0, 0, kReadOnly}, {u"Clear", 0, 0},
    {u"Contains", 1, 1}, {u"ToArray", 0, 0}, {u"Clone", 0, 0},
};
constexpr Member kQueueMembers[] = {
    {u"Enqueue", 1, 1}, {u"Dequeue", 0, 0}, {u"Peek", 0, 0}, {u"Count", 0, 0, kReadOnly}, {u"Clear", 0, 0},
    {u"Contains", 1, 1}, {u"ToArray", 0, 0}, {u"Clone", 0, 0}, {u"TrimToSize", 0, 0},
};
constexpr MemberTable kStackTable(kStackMembers);
constexpr MemberTable kQueueTable(kQueueMembers);

// Values in the order they come out: a Stack takes from the front, where it pushes.
class Sequence final : public TableObject {
public:
    explicit Sequence(bool stack) : TableObject(stack ? kStackTable : kQueueTable), stack_(stack) {}
    std::u16string_view typeName() const override { return stack_ ? u"Stack" : u"Queue"; }
    std::unique_ptr<Enumerator> enumerate() override {
        return netEnumerator(this, version_, [this](size_t i, Value& out) {
            if (i >= items_.size()) return false;
            out = items_[i];
            return true;
        });
    }

private:
    void call(int id, Invoke, Value* args, int, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Put:
                checkMemory(sizeof(Value) * (items_.size() + 1));
                if (stack_) items_.push_front(netStored(args[0]));
                else items_.push_back(netStored(args[0]));
                ++version_;
                return;
            case Take:
            case Peek: {
                if (items_.empty()) netError(kNetInvalidOperation, stack_ ? u"Stack empty." : u"Queue empty.");
                result = items_.front();
                if (id == Peek) return;
                Value gone = std::move(items_.front());  // released after it has left, as a Class_Terminate may look
                items_.pop_front();
                ++version_;
                return;
            }
            case Count: result = Value::lng(static_cast<int32_t>(items_.size())); return;
            case Clear: {
                std::deque<Value> gone;
                gone.swap(items_);
                ++version_;
                return;
            }
            case Contains: {
                Value wanted = netStored(args[0]);
                bool found = false;
                for (const Value& v : items_) found = found || netEqual(v, wanted);
                result = Value::boolean(found);
                return;
            }
            case ToArray: {
                auto* a = new ArrayRep;
                a->upper.push_back(static_cast<int32_t>(items_.size()) - 1);
                a->data.assign(items_.begin(), items_.end());
                result = Value::array(a);
                return;
            }
            case Clone: {
                auto* copy = new Sequence(stack_);
                copy->items_ = items_;
                result = Value::object(copy);
                return;
            }
            case TrimToSize: return;
        }
    }

    bool stack_;
    std::deque<Value> items_;
    uint32_t version_ = 0;  // For Each fails once the collection changes under it
};

}  // namespace

Value newStack() { return Value::object(new Sequence(true)); }
Value newQueue() { return Value::object(new Sequence(false)); }

}  // namespace vbs
