#include "tools/tarvik-vbs/arguments.h"

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/values/text.h"

namespace tarvik {

using namespace vbs;

namespace {

class Strings final : public Enumerator {
public:
    explicit Strings(std::vector<std::u16string> items) : items_(std::move(items)) {}
    bool next(Value& out) override {
        if (next_ >= items_.size()) return false;
        out = Value(items_[next_++]);
        return true;
    }

private:
    std::vector<std::u16string> items_;
    size_t next_ = 0;
};

Value count(size_t n) { return Value::lng(static_cast<int32_t>(n)); }

class Named final : public TableObject {
public:
    Named() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"WshNamed"; }
    std::unique_ptr<Enumerator> enumerate() override {
        std::vector<std::u16string> names;
        for (const auto& [name, value] : items) names.push_back(name);
        return std::make_unique<Strings>(std::move(names));
    }
    std::vector<std::pair<std::u16string, std::u16string>> items;

private:
    const std::u16string* find(const Value& name) const {
        String wanted = toString(name);
        for (const auto& [n, value] : items)
            if (equalsIgnoreCase(n, wanted.view())) return &value;
        return nullptr;
    }
    void call(int id, Invoke, Value* args, int, Value& result) override {
        switch (id) {
            // A name not given reads as Empty, which scripts test with = "".
            case 0: if (const std::u16string* v = find(args[0])) result = Value(*v); return;
            case 1: result = Value::boolean(find(args[0]) != nullptr); return;
            default: result = count(items.size()); return;
        }
    }
    static constexpr Member kMembers[] = {
        {u"Item", 1, 1, kReadOnly}, {u"Exists", 1, 1}, {u"Count", 0, 0}, {u"Length", 0, 0, kReadOnly},
    };
    static constexpr MemberTable kTable{kMembers};
};

// The whole list, and the unnamed part (which has no Named and Unnamed of its own).
class List final : public TableObject {
public:
    List(std::vector<std::u16string> items, bool whole) : TableObject(kTable), items_(std::move(items)), whole_(whole) {}
    std::u16string_view typeName() const override { return whole_ ? u"WshArguments" : u"WshUnnamed"; }
    std::unique_ptr<Enumerator> enumerate() override { return std::make_unique<Strings>(items_); }

private:
    enum { kItem, kCount, kLength, kNamed, kUnnamed, kShowUsage };
    void call(int id, Invoke, Value* args, int, Value& result) override {
        switch (id) {
            case kItem: {
                int32_t i = toLong(args[0]);
                if (i < 0 || i >= static_cast<int32_t>(items_.size())) raise(errSubscript);
                result = Value(items_[i]);
                return;
            }
            case kCount:
            case kLength: result = count(items_.size()); return;
        }
        if (!whole_) raise(errNoSuchMember);
        if (id == kShowUsage) return;  // the usage text comes from a .wsf file's <runtime>; a .vbs has none
        if (!named_) split();
        result = Value::object(id == kNamed ? static_cast<Object*>(named_.get()) : unnamed_.get());
    }
    void split() {
        named_ = new Named;
        std::vector<std::u16string> unnamed;
        for (const std::u16string& a : items_) {
            if (a.size() < 2 || a[0] != u'/') {
                unnamed.push_back(a);
                continue;
            }
            size_t colon = a.find(u':');
            named_->items.emplace_back(a.substr(1, colon - 1), colon == std::u16string::npos ? u"" : a.substr(colon + 1));
        }
        unnamed_ = new List(std::move(unnamed), false);
    }
    static constexpr Member kMembers[] = {
        {u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0}, {u"Length", 0, 0, kReadOnly},
        {u"Named", 0, 0, kReadOnly}, {u"Unnamed", 0, 0, kReadOnly}, {u"ShowUsage", 0, 0},
    };
    static constexpr MemberTable kTable{kMembers};
    std::vector<std::u16string> items_;
    bool whole_;
    Ref<Named> named_;
    Ref<List> unnamed_;
};

}  // namespace

Value makeArguments(std::vector<std::u16string> args) { return Value::object(new List(std::move(args), true)); }

}  // namespace tarvik
