#include "script/values/value.h"

#include <algorithm>

#include "script/values/errors.h"
#include "script/values/object.h"

namespace vbs {

namespace {

// Freeing a value frees what it holds, so a long chain (a linked list of objects, arrays nested in
// arrays) would recurse as deep as the chain. Instead, what a value being freed lets go of waits
// in a work list that the outermost release empties, each value's contents in the order its
// destructor dropped them: depth first, the order recursion would take.
struct Dying {
    Type type;
    void* p;
};
// Plain thread-locals, as a vector's would cost a guarded access on every release; the list's
// owner, reached only when the list grows, gives it back when the thread ends.
thread_local bool freeing = false;
thread_local struct {
    Dying* items;
    size_t size, cap;
} dying;
struct ListOwner {
    ~ListOwner() { std::free(dying.items); }
};
thread_local ListOwner listOwner;

void push(Dying d) noexcept {
    if (dying.size == dying.cap) {
        (void)&listOwner;
        size_t cap = dying.cap ? dying.cap * 2 : 256;
        auto* grown = static_cast<Dying*>(std::realloc(dying.items, cap * sizeof(Dying)));
        if (!grown) std::abort();  // out of memory while freeing memory
        dying.items = grown;
        dying.cap = cap;
    }
    dying.items[dying.size++] = d;
}

inline void destroy(Dying d) noexcept {
    if (d.type == Type::Object) static_cast<Object*>(d.p)->release();
    else delete static_cast<ArrayRep*>(d.p);
}

// What d let go of was pushed in the order it went, and goes first.
void drain(size_t base) noexcept {
    std::reverse(dying.items + base, dying.items + dying.size);
    while (dying.size > base) {
        size_t mark = --dying.size;
        destroy(dying.items[mark]);
        std::reverse(dying.items + mark, dying.items + dying.size);
    }
}

[[gnu::noinline]] void freeLast(Dying d) noexcept {
    if (freeing) {
        push(d);
        return;
    }
    freeing = true;
    size_t base = dying.size;  // below it: what an outer release, now in Class_Terminate, still frees
    destroy(d);
    if (dying.size != base) drain(base);
    freeing = false;
}

}  // namespace

FreeNow::FreeNow() noexcept : outer_(freeing) { freeing = false; }
FreeNow::~FreeNow() { freeing = outer_; }

Value Value::object(Object* o) {
    Value v;
    v.type = Type::Object;
    v.obj = o;
    if (o) o->addRef();
    return v;
}

Value Value::array(ArrayRep* a) {
    Value v;
    v.type = Type::Array;
    v.arr = a;
    ++a->refs;
    return v;
}

void Value::retainOther() noexcept {
    switch (type) {
        case Type::Object: if (obj) obj->addRef(); break;
        case Type::Array: ++arr->refs; break;
        default: break;
    }
}

void Value::releaseOther() noexcept {
    // Only the last reference leaves this function's fast paths.
    switch (type) {
        case Type::Object:
            if (obj && --obj->refs_ == 0) {
                obj->refs_ = 1;  // the work list holds it
                return freeLast({type, obj});
            }
            return;
        case Type::Array:
            if (arr->fixedIn == this) arr->fixedIn = nullptr;  // a copy left elsewhere is dynamic
            if (arr->refs == 1) return freeLast({type, arr});
            --arr->refs;
            return;
        default: return;
    }
}

uint16_t Value::varType() const noexcept {
    switch (type) {
        case Type::Empty: return vtEmpty;
        case Type::Null: return vtNull;
        case Type::Boolean: return vtBoolean;
        case Type::Byte: return vtByte;
        case Type::Integer: return vtInteger;
        case Type::Long: return vtLong;
        case Type::Single: return vtSingle;
        case Type::Double: return vtDouble;
        case Type::Currency: return vtCurrency;
        case Type::Date: return vtDate;
        case Type::Error: return vtError;
        case Type::String: return vtString;
        case Type::Object: return vtObject;
        case Type::Array: return static_cast<uint16_t>(vtArray | arr->elemVarType);
        case Type::Ref: return ref->varType();
    }
    return vtEmpty;
}

std::unique_ptr<Enumerator> Object::enumerate() { raise(errNotCollection); }

}  // namespace vbs
