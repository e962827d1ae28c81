#pragma once
// Scripting.Dictionary: an insertion-ordered hash map from Variant keys to Variant items.
// Entries live in a vector in insertion order; an open-addressing index of entry positions gives
// O(1) look-ups, and removal leaves a tombstone that a later compaction drops.
#include <cstdint>
#include <vector>

#include "script/values/object.h"
#include "script/objects/members.h"
#include "script/values/value.h"

namespace vbs {

class Dictionary final : public TableObject {
public:
    Dictionary();
    std::u16string_view typeName() const override { return u"Dictionary"; }
    std::unique_ptr<Enumerator> enumerate() override;

    // The C++ face, also used by the member switch.
    size_t count() const { return entries_.size() - dead_; }
    void setCompareMode(int32_t mode);          // 0 binary, else text; raises 5 unless empty
    Value* find(const Value& key);              // nullptr when absent
    Value& insert(const Value& key, bool& added);
    void add(const Value& key, Value item);     // raises 457 on a duplicate
    void remove(const Value& key);              // raises 32811 when absent
    void rename(const Value& from, const Value& to);
    void clear();
    Value keys() const;
    Value items() const;

    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override;

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;
    struct Entry {
        Value key;
        Value item;
        uint32_t hash;
        bool live;
    };
    static constexpr int32_t kFree = -1;
    static constexpr int32_t kDeleted = -2;

    uint32_t hashOf(const Value& key) const;
    bool sameKey(const Value& x, const Value& y) const;  // both read through ByRef already
    // Slot in index_ holding key, or -1.
    int64_t findSlot(const Value& key, uint32_t hash) const;
    // The entry holding key (-1 when absent) and key's hash.
    int32_t locate(const Value& key, uint32_t& hash);
    int32_t probe(const Value& key, uint32_t& hash);  // locate's hashing and probing
    void remember(const Value& key, uint32_t hash, int32_t pos);
    void forget() { lastKey_ = Value(); }
    void rebuild(size_t capacity);
    void append(const Value& key, uint32_t hash, Value item);
    template <class Pick> Value collect(Pick pick) const;

    std::vector<Entry, CountedAllocator<Entry>> entries_;
    std::vector<int32_t, CountedAllocator<int32_t>> index_;  // power-of-two size; entry positions, kFree or kDeleted
    size_t dead_ = 0;             // tombstones in entries_
    size_t usedSlots_ = 0;        // non-free slots in index_, deleted ones included
    // The last string key located: scripts test Exists and then read or write the same key, which
    // then skips hashing and probing. Holding it keeps its buffer from changing or being reused.
    Value lastKey_;
    uint32_t lastHash_ = 0;
    int32_t lastPos_ = -1;
    int32_t compareMode_ = 0;
    bool textMode_ = false;
};

}  // namespace vbs
