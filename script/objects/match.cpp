#include "script/objects/match.h"

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"

namespace vbs {

Value MatchList::group(size_t match, int g) const {
    const int32_t* o = at(match) + 2 * g;
    if (o[0] < 0) return Value();
    return Value(subject.view().substr(o[0], o[1] - o[0]));
}

namespace {

// Index arguments of Item: out of range raises 5, as Windows does.
size_t indexArg(const Value& v, size_t count) {
    int32_t i = toLong(v);
    if (i < 0 || static_cast<size_t>(i) >= count) raise(errInvalidCall);
    return static_cast<size_t>(i);
}

// Counts up to n, handing out make(i).
template <class Make>
class IndexEnumerator final : public Enumerator {
public:
    IndexEnumerator(size_t n, Make make) : n_(n), make_(std::move(make)) {}
    bool next(Value& out) override {
        if (i_ == n_) return false;
        out = make_(i_++);
        return true;
    }

private:
    size_t n_, i_ = 0;
    Make make_;
};

template <class Make>
std::unique_ptr<Enumerator> enumerateIndices(size_t n, Make make) {
    return std::make_unique<IndexEnumerator<Make>>(n, std::move(make));
}

class SubMatches final : public TableObject {
public:
    SubMatches(Object* owner, const MatchList& list, size_t match)
        : TableObject(kTable), owner_(owner), list_(list), match_(match) {}
    std::u16string_view typeName() const override { return u"ISubMatches"; }
    void call(int id, Invoke /*kind*/, Value* args, int /*argc*/, Value& result) override {
        size_t n = static_cast<size_t>(list_.groups);
        if (id == Item) result = list_.group(match_, static_cast<int>(indexArg(args[0], n)) + 1);
        else result = Value::lng(static_cast<int32_t>(n));
    }

    std::unique_ptr<Enumerator> enumerate() override {
        // The enumerator holds the collection too: this object may go first.
        return enumerateIndices(list_.groups, [owner = owner_, list = &list_, m = match_](size_t i) {
            return list->group(m, static_cast<int>(i) + 1);
        });
    }

private:
    enum Id { Item, Count };
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};
    Ref<Object> owner_;  // the collection holding list_
    const MatchList& list_;
    size_t match_;
};

class Match final : public TableObject {
public:
    Match(Object* owner, const MatchList& list, size_t match)
        : TableObject(kTable), owner_(owner), list_(list), match_(match) {}
    std::u16string_view typeName() const override { return u"IMatch2"; }
    void call(int id, Invoke /*kind*/, Value* args, int argc, Value& result) override {
        const int32_t* o = list_.at(match_);
        switch (static_cast<Id>(id)) {
            case Value_: result = list_.group(match_, 0); return;
            case FirstIndex: result = Value::lng(o[0]); return;
            case Length: result = Value::lng(o[1] - o[0]); return;
            case SubMatches_:
                // m.SubMatches(i) answers the group without making the collection first.
                if (argc == 1) result = list_.group(match_, static_cast<int>(indexArg(args[0], list_.groups)) + 1);
                else result = Value::object(new SubMatches(owner_.get(), list_, match_));
                return;
        }
    }

private:
    enum Id { Value_, FirstIndex, Length, SubMatches_ };
    static constexpr Member kMembers[] = {
        {u"Value", 0, 0, kReadOnly}, {u"FirstIndex", 0, 0, kReadOnly}, {u"Length", 0, 0, kReadOnly}, {u"SubMatches", 0, 1, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};
    Ref<Object> owner_;  // the collection holding list_
    const MatchList& list_;
    size_t match_;
};

class MatchCollection final : public TableObject {
public:
    explicit MatchCollection(MatchList list) : TableObject(kTable), list_(std::move(list)) {}
    std::u16string_view typeName() const override { return u"IMatchCollection2"; }
    void call(int id, Invoke /*kind*/, Value* args, int /*argc*/, Value& result) override {
        if (id == Item) result = Value::object(new Match(this, list_, indexArg(args[0], list_.count())));
        else result = Value::lng(static_cast<int32_t>(list_.count()));
    }

    std::unique_ptr<Enumerator> enumerate() override {
        return enumerateIndices(list_.count(), [self = Ref<Object>(this), list = &list_](size_t i) {
            return Value::object(new Match(self.get(), *list, i));
        });
    }

private:
    enum Id { Item, Count };
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};
    MatchList list_;
};

}  // namespace

Value makeMatchCollection(MatchList list) { return Value::object(new MatchCollection(std::move(list))); }

}  // namespace vbs
