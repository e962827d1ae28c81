#pragma once
// What the .NET collections scripts create (ArrayList, Stack, Queue, SortedList) share: their exceptions as
// Err shows them, how a value crosses into .NET, and Object.Equals.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "script/values/object.h"
#include "script/values/value.h"

namespace vbs {

// The HRESULTs of the .NET exceptions, as Err.Number shows them.
constexpr int32_t kNetOutOfRange = -2146233086;       // ArgumentOutOfRangeException
constexpr int32_t kNetBadArgument = -2147024809;      // ArgumentException
constexpr int32_t kNetInvalidOperation = -2146233079;  // InvalidOperationException
constexpr int32_t kNetNullArgument = -2147467261;     // ArgumentNullException

// Raises the exception with Source "mscorlib".
[[noreturn]] void netError(int32_t hresult, std::u16string description);
// Nothing crosses into .NET as null, and comes back as Empty.
Value netStored(const Value& v);
// Object.Equals on the boxed values: same type and same value; arrays are new objects each time.
bool netEqual(const Value& a, const Value& b);
// Comparer.Default: null (Empty) first; otherwise both must be of one comparable type, which
// the caller checks.
bool netLess(const Value& a, const Value& b);

// For Each over a .NET collection: item(i, out) gives its i-th item, or false past the last, and a
// change to the collection (version counts them) ends the walk with .NET's exception.
template <class Owner, class Item>
std::unique_ptr<Enumerator> netEnumerator(Owner* owner, const uint32_t& version, Item item) {
    struct Walk final : Enumerator {
        Walk(Owner* o, const uint32_t& v, Item it) : owner(o), current(&v), start(v), item(std::move(it)) {}
        bool next(Value& out) override {
            if (*current != start)
                netError(kNetInvalidOperation, u"Collection was modified; enumeration operation may not execute.");
            return item(i++, out);
        }
        Ref<Owner> owner;  // keeps the collection, and so its version, alive while the walk lasts
        const uint32_t* current;
        uint32_t start;
        Item item;
        size_t i = 0;
    };
    return std::make_unique<Walk>(owner, version, std::move(item));
}

}  // namespace vbs
