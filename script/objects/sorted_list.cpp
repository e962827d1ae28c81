#include "script/objects/sorted_list.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/memory.h"
#include "script/objects/members.h"
#include "script/objects/net_values.h"

namespace vbs {

namespace {

enum Id {
    Item, Add, Clear, Clone, Contains, ContainsKey, ContainsValue, GetByIndex, GetKey, GetKeyList, GetValueList,
    IndexOfKey, IndexOfValue, Remove, RemoveAt, SetByIndex, TrimToSize, Count, Capacity, Keys, Values,
};
constexpr Member kMembers[] = {
    {u"Item", 1, 1, kReadWrite}, {u"Add", 2, 2}, {u"Clear", 0, 0}, {u"Clone", 0, 0}, {u"Contains", 1, 1},
    {u"ContainsKey", 1, 1}, {u"ContainsValue", 1, 1}, {u"GetByIndex", 1, 1}, {u"GetKey", 1, 1},
    {u"GetKeyList", 0, 0}, {u"GetValueList", 0, 0}, {u"IndexOfKey", 1, 1}, {u"IndexOfValue", 1, 1},
    {u"Remove", 1, 1}, {u"RemoveAt", 1, 1}, {u"SetByIndex", 2, 2}, {u"TrimToSize", 0, 0},
    {u"Count", 0, 0, kReadOnly}, {u"Capacity", 0, 0, kReadWrite}, {u"Keys", 0, 0, kReadOnly},
    {u"Values", 0, 0, kReadOnly},
};
constexpr MemberTable kTable(kMembers);

[[noreturn]] void badIndex() {
    netError(kNetOutOfRange, u"Index was out of range. Must be non-negative and less than the size of the collection.\r\nParameter name: index");
}

// A DictionaryEntry, what For Each gives for each pair.
class Entry final : public TableObject {
public:
    Entry(Value key, Value value) : TableObject(kEntryTable), key_(std::move(key)), value_(std::move(value)) {}
    std::u16string_view typeName() const override { return u"DictionaryEntry"; }

private:
    static constexpr Member kEntryMembers[] = {{u"Key", 0, 0, kReadOnly}, {u"Value", 0, 0, kReadOnly}};
    static constexpr MemberTable kEntryTable{kEntryMembers};
    void call(int id, Invoke, Value*, int, Value& result) override { result = id == 0 ? key_ : value_; }
    Value key_, value_;
};

class SortedList final : public TableObject {
public:
    SortedList() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"SortedList"; }
    std::unique_ptr<Enumerator> enumerate() override;

    using Pairs = std::vector<std::pair<Value, Value>>;
    const Pairs& pairs() const { return pairs_; }
    uint32_t version() const { return version_; }

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;

    int32_t size() const { return static_cast<int32_t>(pairs_.size()); }
    int32_t index(const Value& v) const {
        int32_t i = toLong(v);
        if (i < 0 || i >= size()) badIndex();
        return i;
    }
    // Where key is or would go; .NET compares only keys of one comparable type.
    std::pair<int32_t, bool> find(const Value& arg) const {
        Value key = netStored(arg);
        if (key.isEmpty()) netError(kNetNullArgument, u"Key cannot be null.\r\nParameter name: key");
        if (!pairs_.empty()) {
            const Value& other = pairs_.front().first;
            if (key.type != other.type || key.type == Type::Object || key.type == Type::Array)
                netError(kNetInvalidOperation, u"Failed to compare two elements in the array.");
        }
        auto at = std::lower_bound(pairs_.begin(), pairs_.end(), key, [](const auto& p, const Value& k) { return netLess(p.first, k); });
        bool found = at != pairs_.end() && !netLess(key, at->first);
        return {static_cast<int32_t>(at - pairs_.begin()), found};
    }
    int32_t valueIndex(const Value& arg) const {
        Value v = netStored(arg);
        for (int32_t i = 0; i < size(); ++i)
            if (netEqual(pairs_[i].second, v)) return i;
        return -1;
    }
    void insert(int32_t at, const Value& key, const Value& value) {
        checkMemory(2 * sizeof(Value) * (pairs_.size() + 1));
        pairs_.emplace(pairs_.begin() + at, netStored(key), netStored(value));
        ++version_;
    }
    void removeAt(int32_t i) {
        auto gone = std::move(pairs_[i]);  // released once it has left the list
        pairs_.erase(pairs_.begin() + i);
        ++version_;
    }
    Value view(bool keys);

    Pairs pairs_;
    int32_t capacity_ = 0;
    uint32_t version_ = 0;  // For Each fails once the list changes under it
};

// Keys and Values: live lists of the keys or values in key order.
class ListView final : public TableObject {
public:
    ListView(SortedList* list, bool keys) : TableObject(kViewTable), list_(list), keys_(keys) {}
    std::u16string_view typeName() const override { return keys_ ? u"KeyList" : u"ValueList"; }
    std::unique_ptr<Enumerator> enumerate() override {
        struct Items final : Enumerator {
            Ref<ListView> view;
            uint32_t version;
            size_t i = 0;
            bool next(Value& out) override {
                const SortedList& l = *view->list_;
                if (version != l.version())
                    netError(kNetInvalidOperation, u"Collection was modified; enumeration operation may not execute.");
                if (i == l.pairs().size()) return false;
                out = view->keys_ ? l.pairs()[i].first : l.pairs()[i].second;
                ++i;
                return true;
            }
        };
        auto e = std::make_unique<Items>();
        e->view = Ref<ListView>(this);
        e->version = list_->version();
        return e;
    }

private:
    static constexpr Member kViewMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0, kReadOnly}};
    static constexpr MemberTable kViewTable{kViewMembers};
    void call(int id, Invoke, Value* args, int, Value& result) override {
        const auto& pairs = list_->pairs();
        if (id == 1) {
            result = Value::lng(static_cast<int32_t>(pairs.size()));
            return;
        }
        int32_t i = toLong(args[0]);
        if (i < 0 || static_cast<size_t>(i) >= pairs.size()) badIndex();
        result = keys_ ? pairs[i].first : pairs[i].second;
    }
    Ref<SortedList> list_;
    bool keys_;
};

Value SortedList::view(bool keys) { return Value::object(new ListView(this, keys)); }

std::unique_ptr<Enumerator> SortedList::enumerate() {
    return netEnumerator(this, version_, [this](size_t i, Value& out) {
        if (i >= pairs_.size()) return false;
        out = Value::object(new Entry(pairs_[i].first, pairs_[i].second));
        return true;
    });
}

void SortedList::call(int id, Invoke kind, Value* args, int, Value& result) {
    bool assign = kind == Invoke::Let || kind == Invoke::Set;
    switch (static_cast<Id>(id)) {
        case Item: {
            auto [at, found] = find(args[0]);
            if (!assign) {
                if (found) result = pairs_[at].second;  // a missing key reads as null: Empty
                return;
            }
            if (!found) {
                insert(at, args[0], args[1]);
                return;
            }
            pairs_[at].second = netStored(args[1]);
            ++version_;
            return;
        }
        case Add: {
            auto [at, found] = find(args[0]);
            if (found) {
                std::u16string key(toString(pairs_[at].first).view());
                netError(kNetBadArgument, u"Item has already been added. Key in dictionary: '" + key + u"'  Key being added: '" +
                                              std::u16string(toString(netStored(args[0])).view()) + u"'");
            }
            insert(at, args[0], args[1]);
            return;
        }
        case Clear: {
            Pairs gone;
            gone.swap(pairs_);
            ++version_;
            return;
        }
        case Clone: {
            auto* copy = new SortedList;
            copy->pairs_ = pairs_;
            result = Value::object(copy);
            return;
        }
        case Contains:
        case ContainsKey: result = Value::boolean(find(args[0]).second); return;
        case ContainsValue: result = Value::boolean(valueIndex(args[0]) >= 0); return;
        case GetByIndex: result = pairs_[index(args[0])].second; return;
        case GetKey: result = pairs_[index(args[0])].first; return;
        case SetByIndex:
            pairs_[index(args[0])].second = netStored(args[1]);
            ++version_;
            return;
        case IndexOfKey: {
            auto [at, found] = find(args[0]);
            result = Value::lng(found ? at : -1);
            return;
        }
        case IndexOfValue: result = Value::lng(valueIndex(args[0])); return;
        case Remove: {
            auto [at, found] = find(args[0]);
            if (found) removeAt(at);
            return;
        }
        case RemoveAt: removeAt(index(args[0])); return;
        case TrimToSize: capacity_ = size(); return;
        case Count: result = Value::lng(size()); return;
        case Capacity:
            if (!assign) {
                result = Value::lng(std::max(capacity_, size()));
                return;
            }
            if (toLong(args[0]) < size()) netError(kNetOutOfRange, u"capacity was less than the current size.\r\nParameter name: value");
            capacity_ = toLong(args[0]);
            return;
        case Keys:
        case GetKeyList: result = view(true); return;
        case Values:
        case GetValueList: result = view(false); return;
    }
}

}  // namespace

Value newSortedList() { return Value::object(new SortedList); }

}  // namespace vbs
