#include "script/objects/dictionary.h"

#include <bit>
#include <cstring>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/values/text.h"

namespace vbs {

namespace {

enum Id { Item, Add, Exists, Items, Keys, Key, Remove, RemoveAll, Count, CompareMode };

constexpr Member kMembers[] = {
    {u"Item", 1, 1, kReadWrite},
    {u"Add", 2, 2},
    {u"Exists", 1, 1},
    {u"Items", 0, 0},
    {u"Keys", 0, 0},
    {u"Key", 1, 1, kReadWrite},
    {u"Remove", 1, 1},
    {u"RemoveAll", 0, 0},
    {u"Count", 0, 0, kReadOnly},
    {u"CompareMode", 0, 0, kReadWrite},
};
constexpr MemberTable kTable(kMembers);

// Keys compare by kind first: 1 and "1" differ, while every numeric subtype holding the same
// number is one key, as on Windows. Empty is the odd one: it matches both "" and 0 (which
// differ from each other), so those three share a hash.
enum class KeyKind : uint8_t { Empty, Null, Boolean, Number, String, Object, Error };
constexpr uint32_t kBlankHash = 0;

KeyKind kindOf(const Value& v) {
    switch (v.type) {
        case Type::Empty: return KeyKind::Empty;
        case Type::Null: return KeyKind::Null;
        case Type::Boolean: return KeyKind::Boolean;
        case Type::String: return KeyKind::String;
        case Type::Object: return KeyKind::Object;
        case Type::Error: return KeyKind::Error;
        case Type::Array: raise(errTypeMismatch);
        case Type::Ref: return kindOf(*v.ref);
        default: return KeyKind::Number;
    }
}

double numberOf(const Value& v) {
    switch (v.type) {
        case Type::Byte: return v.u8;
        case Type::Integer: return v.i16;
        case Type::Long: return v.i32;
        case Type::Single: return v.f32;
        case Type::Currency: return static_cast<double>(v.cy) / 10000.0;
        default: return v.f64;  // Double, Date
    }
}

// "" or 0, the keys an Empty key matches.
bool isBlank(const Value& v, KeyKind kind) {
    return (kind == KeyKind::String && v.strView().empty()) || (kind == KeyKind::Number && numberOf(v) == 0);
}

// Strings hash four characters (one 8-byte load) a step, each step folding the 128-bit product
// of state and block, so every character reaches the low bits the index uses.
template <bool Fold>
[[gnu::noinline]] uint32_t hashText(std::u16string_view s) {
    uint64_t h = s.size();
    auto step = [&h](uint64_t block) {
        if (Fold) block = lowerBlock(block);
        unsigned __int128 p = static_cast<unsigned __int128>(h ^ block) * 0x9E3779B97F4A7C15ULL;
        h = static_cast<uint64_t>(p) ^ static_cast<uint64_t>(p >> 64);
    };
    size_t i = 0;
    for (; i + 4 <= s.size(); i += 4) {
        uint64_t block;
        std::memcpy(&block, s.data() + i, sizeof block);
        step(block);
    }
    if (i < s.size()) {
        uint64_t block = 0;
        for (size_t k = i; k < s.size(); ++k) block |= uint64_t{s[k]} << 16 * (k - i);
        step(block);
    }
    return static_cast<uint32_t>(h ^ h >> 32);
}

uint32_t mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<uint32_t>(x);
}

// Keys not both strings.
bool sameOther(const Value& x, const Value& y) {
    KeyKind kind = kindOf(x), other = kindOf(y);
    if (kind != other) {
        return (kind == KeyKind::Empty && isBlank(y, other)) || (other == KeyKind::Empty && isBlank(x, kind));
    }
    switch (kind) {
        case KeyKind::Number: return numberOf(x) == numberOf(y);
        case KeyKind::Boolean: return x.b == y.b;
        case KeyKind::Object: return x.obj == y.obj;
        case KeyKind::Error: return x.i32 == y.i32;
        default: return true;
    }
}

class KeyEnumerator final : public Enumerator {
public:
    explicit KeyEnumerator(std::vector<Value> keys) : keys_(std::move(keys)) {}
    bool next(Value& out) override {
        if (pos_ == keys_.size()) return false;
        out = std::move(keys_[pos_++]);
        return true;
    }

private:
    std::vector<Value> keys_;
    size_t pos_ = 0;
};

}  // namespace

Dictionary::Dictionary() : TableObject(kTable) {}

uint32_t Dictionary::hashOf(const Value& key) const {
    const Value& k = key.deref();
    if (k.type == Type::String) {  // nearly every key: straight to the characters
        std::u16string_view chars = k.strView();
        if (chars.empty()) return kBlankHash;
        return textMode_ ? hashText<true>(chars) : hashText<false>(chars);
    }
    KeyKind kind = kindOf(k);
    if (kind == KeyKind::Empty || isBlank(k, kind)) return kBlankHash;
    switch (kind) {
        case KeyKind::Number: return mix(std::bit_cast<uint64_t>(numberOf(k)));
        case KeyKind::Boolean: return mix(k.b ? 3 : 2);
        case KeyKind::Object: return mix(reinterpret_cast<uintptr_t>(k.obj));
        case KeyKind::Error: return mix(static_cast<uint64_t>(k.i32) + 7);
        default: return static_cast<uint32_t>(kind) + 1;  // Null
    }
}

[[gnu::always_inline]] inline bool Dictionary::sameKey(const Value& x, const Value& y) const {
    if (x.type == Type::String && y.type == Type::String) {
        if (x.str == y.str) return true;  // the same buffer: a key read back from Keys, or a repeated look-up
        std::u16string_view p = x.strView(), q = y.strView();
        if (p.size() != q.size()) return false;
        if (textMode_) return equalsIgnoreCase(p, q);
        return p.empty() || std::memcmp(p.data(), q.data(), p.size() * sizeof(char16_t)) == 0;
    }
    return sameOther(x, y);
}

int64_t Dictionary::findSlot(const Value& key, uint32_t hash) const {
    if (index_.empty()) return -1;
    const Value& k = key.deref();
    size_t mask = index_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        int32_t e = index_[i];
        if (e == kFree) return -1;
        if (e >= 0 && entries_[e].hash == hash && sameKey(entries_[e].key, k))
            return static_cast<int64_t>(i);
    }
}

[[gnu::always_inline]] inline int32_t Dictionary::locate(const Value& key, uint32_t& hash) {
    const Value& k = key.deref();
    if (k.type == Type::String && k.str && k.str == lastKey_.str) {
        hash = lastHash_;
        return lastPos_;
    }
    return probe(k, hash);
}

int32_t Dictionary::probe(const Value& k, uint32_t& hash) {
    hash = hashOf(k);
    int64_t slot = findSlot(k, hash);
    int32_t pos = slot < 0 ? -1 : index_[slot];
    remember(k, hash, pos);
    return pos;
}

void Dictionary::remember(const Value& key, uint32_t hash, int32_t pos) {
    if (key.type != Type::String || !key.str) return;
    lastKey_ = key;
    lastHash_ = hash;
    lastPos_ = pos;
}

void Dictionary::rebuild(size_t capacity) {
    forget();  // entries move
    if (dead_) {
        std::erase_if(entries_, [](const Entry& e) { return !e.live; });
        dead_ = 0;
    }
    index_.assign(capacity, kFree);
    size_t mask = capacity - 1;
    for (size_t pos = 0; pos < entries_.size(); ++pos) {
        size_t i = entries_[pos].hash & mask;
        while (index_[i] != kFree) i = (i + 1) & mask;
        index_[i] = static_cast<int32_t>(pos);
    }
    usedSlots_ = entries_.size();
}

void Dictionary::append(const Value& key, uint32_t hash, Value item) {
    if ((usedSlots_ + 1) * 4 > index_.size() * 3) rebuild(std::bit_ceil((count() + 1) * 2 + 6));
    size_t mask = index_.size() - 1;
    size_t i = hash & mask;
    while (index_[i] >= 0) i = (i + 1) & mask;
    if (index_[i] == kFree) ++usedSlots_;
    int32_t pos = static_cast<int32_t>(entries_.size());
    index_[i] = pos;
    entries_.push_back({key.deref(), std::move(item), hash, true});
    remember(key.deref(), hash, pos);
}

Value* Dictionary::find(const Value& key) {
    uint32_t hash;
    int32_t pos = locate(key, hash);
    return pos < 0 ? nullptr : &entries_[pos].item;
}

Value& Dictionary::insert(const Value& key, bool& added) {
    uint32_t hash;
    int32_t pos = locate(key, hash);
    added = pos < 0;
    if (!added) return entries_[pos].item;
    append(key, hash, Value());
    return entries_.back().item;
}

void Dictionary::add(const Value& key, Value item) {
    bool added;
    Value& slot = insert(key, added);
    if (!added) raise(errDuplicateKey);
    slot = std::move(item);
}

void Dictionary::remove(const Value& key) {
    forget();
    int64_t slot = findSlot(key, hashOf(key));
    if (slot < 0) raise(errKeyNotFound);
    Entry& e = entries_[index_[slot]];
    index_[slot] = kDeleted;
    e.live = false;
    Value gone = std::move(e.key), goneItem = std::move(e.item);  // released after the bookkeeping
    ++dead_;
    if (count() == 0) clear();
    else if (dead_ > 16 && dead_ * 2 > entries_.size()) rebuild(index_.size());
}

void Dictionary::rename(const Value& from, const Value& to) {
    forget();
    uint32_t oldHash = hashOf(from);
    int64_t slot = findSlot(from, oldHash);
    if (slot < 0) raise(errKeyNotFound);
    uint32_t newHash = hashOf(to);
    if (findSlot(to, newHash) >= 0) raise(errDuplicateKey);
    int32_t pos = index_[slot];
    index_[slot] = kDeleted;
    entries_[pos].key = to.deref();
    entries_[pos].hash = newHash;
    // Re-index the entry where it is, so it keeps its place in the order.
    if ((usedSlots_ + 1) * 4 > index_.size() * 3) {
        rebuild(std::bit_ceil(count() * 2 + 8));
        return;
    }
    size_t mask = index_.size() - 1;
    size_t i = newHash & mask;
    while (index_[i] >= 0) i = (i + 1) & mask;
    if (index_[i] == kFree) ++usedSlots_;
    index_[i] = pos;
}

void Dictionary::clear() {
    // Items may be objects whose teardown runs script code: detach first.
    decltype(entries_) old;
    old.swap(entries_);
    index_.clear();
    forget();
    dead_ = 0;
    usedSlots_ = 0;
}

void Dictionary::setCompareMode(int32_t mode) {
    if (count() != 0 || mode < 0) raise(errInvalidCall);
    compareMode_ = mode;
    textMode_ = mode != 0;
    forget();  // its hash was the other mode's
}

template <class Pick>
Value Dictionary::collect(Pick pick) const {
    auto* a = new ArrayRep;
    a->upper.push_back(static_cast<int32_t>(count()) - 1);
    a->data.reserve(count());
    for (const Entry& e : entries_)
        if (e.live) a->data.push_back(pick(e));
    return Value::array(a);
}

Value Dictionary::keys() const { return collect([](const Entry& e) { return e.key; }); }
Value Dictionary::items() const { return collect([](const Entry& e) { return e.item; }); }

std::unique_ptr<Enumerator> Dictionary::enumerate() {
    std::vector<Value> snapshot;
    snapshot.reserve(count());
    for (const Entry& e : entries_)
        if (e.live) snapshot.push_back(e.key);
    return std::make_unique<KeyEnumerator>(std::move(snapshot));
}

// d(k), d.Exists(k) and d(k) = v, nearly every call a script makes, pass the table's checks as
// they come: straight to the member.
void Dictionary::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool read = kind == Invoke::Get || kind == Invoke::Call;
    if ((argc == 1 && read && (id == Item || id == Exists)) || (argc == 2 && kind == Invoke::Let && id == Item))
        return call(id, kind, args, argc, result);
    TableObject::invoke(id, kind, args, argc, result);
}

void Dictionary::call(int id, Invoke kind, Value* args, int /*argc*/, Value& result) {
    bool assign = kind == Invoke::Let || kind == Invoke::Set;
    switch (static_cast<Id>(id)) {
        case Item: {
            bool added;
            Value& item = insert(args[0], added);  // reading a missing key adds it, as on Windows
            if (assign) item = args[1].deref();
            else result = item;
            return;
        }
        case Add: add(args[0], args[1].deref()); return;
        case Exists: result = Value::boolean(find(args[0]) != nullptr); return;
        case Items: result = items(); return;
        case Keys: result = keys(); return;
        case Key:
            if (!assign) raise(errWrongArgCount);  // write-only
            rename(args[0], args[1]);
            return;
        case Remove: remove(args[0]); return;
        case RemoveAll: clear(); return;
        case Count: result = Value::lng(static_cast<int32_t>(count())); return;
        case CompareMode:
            if (assign) setCompareMode(toLong(args[0]));
            else result = Value::lng(compareMode_);
            return;
    }
}

}  // namespace vbs
