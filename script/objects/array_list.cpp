#include "script/objects/array_list.h"

#include <algorithm>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/objects/net_values.h"
#include "script/values/text.h"

namespace vbs {

namespace {

// Counted against the memory cap, as an array's elements are.
using ValueList = std::vector<Value, CountedAllocator<Value>>;

enum Id {
    Item, Add, AddRange, Clear, Clone, Contains, GetRange, IndexOf, Insert, InsertRange, LastIndexOf,
    Remove, RemoveAt, RemoveRange, Reverse, Sort, ToArray, TrimToSize, Count, Capacity, IsFixedSize,
    IsReadOnly, IsSynchronized,
};

constexpr Member kMembers[] = {
    {u"Item", 1, 1, kReadWrite}, {u"Add", 1, 1}, {u"AddRange", 1, 1}, {u"Clear", 0, 0}, {u"Clone", 0, 0},
    {u"Contains", 1, 1}, {u"GetRange", 2, 2}, {u"IndexOf", 1, 3}, {u"Insert", 2, 2}, {u"InsertRange", 2, 2},
    {u"LastIndexOf", 1, 3}, {u"Remove", 1, 1}, {u"RemoveAt", 1, 1}, {u"RemoveRange", 2, 2}, {u"Reverse", 0, 2},
    {u"Sort", 0, 0}, {u"ToArray", 0, 0}, {u"TrimToSize", 0, 0}, {u"Count", 0, 0, kReadOnly},
    {u"Capacity", 0, 0, kReadWrite}, {u"IsFixedSize", 0, 0, kReadOnly}, {u"IsReadOnly", 0, 0, kReadOnly},
    {u"IsSynchronized", 0, 0, kReadOnly},
};
constexpr MemberTable kTable(kMembers);

constexpr std::u16string_view kIndexMessage =
    u"Index was out of range. Must be non-negative and less than the size of the collection.\r\nParameter name: ";

[[noreturn]] void outOfRange(std::u16string_view parameter) {
    netError(kNetOutOfRange, std::u16string(kIndexMessage) + std::u16string(parameter));
}

// .NET sorts by comparing neighbours, which fails between two types, or objects and arrays.
void checkSortable(const ValueList& items) {
    const Value* first = nullptr;
    for (const Value& v : items) {
        if (v.isEmpty()) continue;
        bool incomparable = v.type == Type::Object || v.type == Type::Array;
        if (first && (v.type != first->type || incomparable))
            netError(kNetInvalidOperation, u"Failed to compare two elements in the array.");
        first = &v;
    }
}

class ArrayList final : public TableObject {
public:
    ArrayList() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"ArrayList"; }
    std::unique_ptr<Enumerator> enumerate() override;

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;

    int32_t size() const { return static_cast<int32_t>(items_.size()); }
    // An index below the size, or up to it when atEnd; read before the size, as an object's
    // default value may change the list.
    int32_t index(const Value& v, bool atEnd, std::u16string_view name) const {
        int32_t i = toLong(v);
        if (i < 0 || i > size() - !atEnd) outOfRange(name);
        return i;
    }
    // .NET grows to twice the capacity (4 at first), or to what is needed if that is more.
    void reserve(size_t needed) {
        if (needed <= static_cast<size_t>(capacity_)) return;
        capacity_ = std::max<int32_t>(capacity_ == 0 ? 4 : capacity_ * 2, static_cast<int32_t>(needed));
    }
    void insert(int32_t at, ValueList values) {
        reserve(items_.size() + values.size());
        items_.insert(items_.begin() + at, std::make_move_iterator(values.begin()), std::make_move_iterator(values.end()));
        ++version_;
    }
    // Removes [from, to): the values leave the list before they are released, as a
    // Class_Terminate that releasing runs may use the list again.
    void drop(int32_t from, int32_t to) {
        ValueList gone;
        if (from == 0 && to == size()) {
            gone.swap(items_);
        } else {
            gone.assign(std::make_move_iterator(items_.begin() + from), std::make_move_iterator(items_.begin() + to));
            items_.erase(items_.begin() + from, items_.begin() + to);
        }
        ++version_;
    }
    // The start and end of an (index, count) range.
    std::pair<int32_t, int32_t> range(const Value& at, const Value& count) const {
        int32_t i = toLong(at), n = toLong(count);
        if (i < 0 || n < 0) netError(kNetOutOfRange, std::u16string(u"Non-negative number required.\r\nParameter name: ") + (i < 0 ? u"index" : u"count"));
        if (size() - i < n)
            netError(kNetBadArgument, u"Offset and length were out of bounds for the array or count is greater than the number "
                                   u"of elements from index to the end of the source collection.");
        return {i, i + n};
    }
    int32_t search(const Value* args, int argc, bool last) const;
    static ValueList elementsOf(const Value& collection);
    Value copy(int32_t from, int32_t to) const {
        auto* list = new ArrayList;
        list->items_.assign(items_.begin() + from, items_.begin() + to);
        list->capacity_ = to - from;
        return Value::object(list);
    }

    ValueList items_;
    int32_t capacity_ = 0;
    uint32_t version_ = 0;  // For Each fails once the list changes under it
};

int32_t ArrayList::search(const Value* args, int argc, bool last) const {
    Value wanted = netStored(args[0]);
    int32_t start = last ? size() - 1 : 0;
    if (hasArg(args, argc, 1)) start = toLong(args[1]);
    if (size() == 0 && last) return -1;
    if (start < 0 || start > (last ? size() - 1 : size())) outOfRange(u"startIndex");
    int32_t count = hasArg(args, argc, 2) ? toLong(args[2]) : last ? start + 1 : size() - start;
    if (count < 0 || (last ? start - count + 1 < 0 : start + count > size())) outOfRange(u"count");
    for (int32_t k = 0; k < count; ++k) {
        int32_t i = last ? start - k : start + k;
        if (netEqual(items_[i], wanted)) return i;
    }
    return -1;
}

// What AddRange and InsertRange take: an array, or another ArrayList.
ValueList ArrayList::elementsOf(const Value& collection) {
    const Value& c = collection.deref();
    if (c.isArray()) {
        ValueList out;
        for (const Value& v : c.arr->data) out.push_back(netStored(v));
        return out;
    }
    if (c.isObject() && !c.obj) netError(kNetNullArgument, u"Value cannot be null.\r\nParameter name: c");
    if (c.isObject())
        if (auto* list = dynamic_cast<ArrayList*>(c.obj)) return list->items_;
    raise(errTypeMismatch);
}

std::unique_ptr<Enumerator> ArrayList::enumerate() {
    return netEnumerator(this, version_, [this](size_t i, Value& out) {
        if (i >= items_.size()) return false;
        out = items_[i];
        return true;
    });
}

void ArrayList::call(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool assign = kind == Invoke::Let || kind == Invoke::Set;
    switch (static_cast<Id>(id)) {
        case Item: {
            int32_t i = index(args[0], false, u"index");
            if (!assign) {
                result = items_[i];
                return;
            }
            items_[i] = netStored(args[1]);
            ++version_;
            return;
        }
        case Add:
            result = Value::lng(size());
            insert(size(), {netStored(args[0])});
            return;
        case AddRange: insert(size(), elementsOf(args[0])); return;
        case Insert: {
            int32_t at = toLong(args[0]);
            if (at < 0 || at > size())
                netError(kNetOutOfRange, u"Insertion index was out of range. Must be non-negative and less than or equal to "
                                      u"size.\r\nParameter name: index");
            insert(at, {netStored(args[1])});
            return;
        }
        case InsertRange: insert(index(args[0], true, u"index"), elementsOf(args[1])); return;
        case Clear: drop(0, size()); return;
        case Clone: result = copy(0, size()); return;
        case GetRange: {
            auto [from, to] = range(args[0], args[1]);
            result = copy(from, to);
            return;
        }
        case Contains: result = Value::boolean(search(args, 1, false) >= 0); return;
        case IndexOf: result = Value::lng(search(args, argc, false)); return;
        case LastIndexOf: result = Value::lng(search(args, argc, true)); return;
        case Remove: {
            int32_t i = search(args, 1, false);
            if (i >= 0) drop(i, i + 1);
            return;
        }
        case RemoveAt: {
            int32_t i = index(args[0], false, u"index");
            drop(i, i + 1);
            return;
        }
        case RemoveRange: {
            auto [from, to] = range(args[0], args[1]);
            drop(from, to);
            return;
        }
        case Reverse: {
            if (argc == 1) raise(errWrongArgCount);
            auto [from, to] = argc ? range(args[0], args[1]) : std::pair<int32_t, int32_t>(0, size());
            std::reverse(items_.begin() + from, items_.begin() + to);
            ++version_;
            return;
        }
        case Sort:
            checkSortable(items_);
            std::stable_sort(items_.begin(), items_.end(), netLess);
            ++version_;
            return;
        case ToArray: {
            auto* a = new ArrayRep;
            a->upper.push_back(size() - 1);
            a->data.assign(items_.begin(), items_.end());
            result = Value::array(a);
            return;
        }
        case TrimToSize: capacity_ = size(); return;
        case Count: result = Value::lng(size()); return;
        case Capacity:
            if (!assign) {
                result = Value::lng(capacity_);
                return;
            }
            if (toLong(args[0]) < size())
                netError(kNetOutOfRange, u"capacity was less than the current size.\r\nParameter name: value");
            capacity_ = toLong(args[0]);
            return;
        case IsFixedSize:
        case IsReadOnly:
        case IsSynchronized: result = Value::boolean(false); return;
    }
}

}  // namespace

Value newArrayList() { return Value::object(new ArrayList); }

}  // namespace vbs
