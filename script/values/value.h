#pragma once
// The Variant: every value a script handles. 16 bytes, a type tag and a payload; numbers are copied
// as plain bits, strings, arrays and objects by bumping a reference count.
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "script/values/memory.h"
#include "script/values/string.h"

namespace vbs {

class Object;
struct ArrayRep;

// VarType codes, exactly VBScript's: scripts branch on them.
enum VarType : uint16_t {
    vtEmpty = 0, vtNull = 1, vtInteger = 2, vtLong = 3, vtSingle = 4, vtDouble = 5, vtCurrency = 6,
    vtDate = 7, vtString = 8, vtObject = 9, vtError = 10, vtBoolean = 11, vtVariant = 12, vtByte = 17,
    vtArray = 8192,
};

// Internal tag order matters: everything from String to Array holds a reference count.
enum class Type : uint8_t {
    Empty, Null, Boolean, Byte, Integer, Long, Single, Double, Currency, Date, Error,
    String, Object, Array,
    Ref,  // a ByRef parameter slot: points at the caller's Value; never visible to scripts
};

class Value {
public:
    Type type = Type::Empty;
    union {
        bool b;
        uint8_t u8;
        int16_t i16;
        int32_t i32;   // Long, Error's code, and Integer sign-extended: both read with no branch
        float f32;
        double f64;    // Double, and Date (OLE Automation days since 30 Dec 1899)
        int64_t cy;    // Currency, scaled by 10000
        StringRep* str;
        Object* obj;   // Object; nullptr is Nothing
        ArrayRep* arr;
        Value* ref;
    };

    Value() noexcept : cy(0) {}  // the whole payload: holders compare payload bits to spot changes
    Value(const Value& o) noexcept : type(o.type), cy(o.cy) { retain(); }
    Value(Value&& o) noexcept : type(o.type), cy(o.cy) { o.type = Type::Empty; }
    ~Value() { if (counted()) release(); }
    Value& operator=(const Value& o) noexcept {
        if (this != &o) { Value t(o); swap(t); }
        return *this;
    }
    Value& operator=(Value&& o) noexcept { swap(o); return *this; }
    void swap(Value& o) noexcept { std::swap(type, o.type); std::swap(cy, o.cy); }

    Value(String s) noexcept : type(Type::String), str(s.detach()) {}
    Value(std::u16string_view s) : Value(String(s)) {}
    Value(const char16_t* s) : Value(String(s)) {}

    static Value null() { Value v; v.type = Type::Null; return v; }
    static Value boolean(bool x) { return narrow(Type::Boolean, x); }
    static Value byte(uint8_t x) { return narrow(Type::Byte, x); }
    static Value integer(int16_t x) { return narrow(Type::Integer, static_cast<uint32_t>(int32_t{x})); }
    static Value lng(int32_t x) { return narrow(Type::Long, static_cast<uint32_t>(x)); }
    static Value single(float x) { return narrow(Type::Single, std::bit_cast<uint32_t>(x)); }
    static Value dbl(double x) { Value v; v.type = Type::Double; v.f64 = x; return v; }
    static Value currency(int64_t scaled) { Value v; v.type = Type::Currency; v.cy = scaled; return v; }
    static Value date(double x) { Value v; v.type = Type::Date; v.f64 = x; return v; }
    static Value error(int32_t code) { return narrow(Type::Error, static_cast<uint32_t>(code)); }
    static Value object(Object* o);        // takes a new reference; nullptr gives Nothing
    static Value array(ArrayRep* a);       // takes a new reference
    static Value reference(Value* target) { Value v; v.type = Type::Ref; v.ref = target; return v; }

    bool counted() const noexcept { return type >= Type::String && type <= Type::Array; }
    bool isEmpty() const noexcept { return type == Type::Empty; }
    bool isNull() const noexcept { return type == Type::Null; }
    bool isString() const noexcept { return type == Type::String; }
    bool isObject() const noexcept { return type == Type::Object; }
    bool isArray() const noexcept { return type == Type::Array; }
    bool isNumeric() const noexcept { return type >= Type::Boolean && type <= Type::Date; }

    // A ByRef slot reads through to its target; everything else is itself.
    Value& deref() noexcept { return type == Type::Ref ? *ref : *this; }
    const Value& deref() const noexcept { return type == Type::Ref ? *ref : *this; }

    // Only valid when isString(); the view lives as long as this Value.
    std::u16string_view strView() const noexcept {
        return str ? std::u16string_view(str->chars, str->len) : std::u16string_view();
    }
    String string() const noexcept { if (str) ++str->refs; return String::adopt(str); }

    uint16_t varType() const noexcept;

private:
    // A narrow member written as the whole payload, in one store: moving the value reads all eight
    // bytes at once, which the CPU cannot take from a zeroing store and a narrower one over it.
    static Value narrow(Type t, uint64_t low) {
        static_assert(std::endian::native == std::endian::little, "narrow members are the payload's low bytes");
        Value v;
        v.type = t;
        v.cy = static_cast<int64_t>(low);
        return v;
    }
    // Strings are nearly every counted value copied or dropped: their count changes in line.
    void retain() noexcept {
        if (type == Type::String) {
            if (str) ++str->refs;
        } else if (counted()) {
            retainOther();
        }
    }
    void release() noexcept {
        if (type == Type::String) {
            if (str && --str->refs == 0) freeRep(str);
        } else {
            releaseOther();
        }
    }
    void retainOther() noexcept;
    void releaseOther() noexcept;
};

static_assert(sizeof(Value) == 16);

// Code that runs while values are being freed (Class_Terminate) frees what it lets go of at once,
// not after the values being freed around it.
class FreeNow {
public:
    FreeNow() noexcept;
    ~FreeNow();
    FreeNow(const FreeNow&) = delete;
    FreeNow& operator=(const FreeNow&) = delete;

private:
    bool outer_;
};

// A script array: lower bound 0 (as every VBScript array), up to 60 dimensions. Elements are stored
// with the first subscript varying fastest, so ReDim Preserve, which may only change the last
// dimension, is a plain resize.
struct ArrayRep {
    uint32_t refs = 0;
    uint16_t elemVarType = vtVariant;  // Split and Filter answer String arrays (VarType 8200)
    uint32_t locks = 0;                // pins: For Each, an element passed ByRef
    const Value* fixedIn = nullptr;    // the variable that declared it with bounds: see array_ops.h
    std::vector<int32_t> upper;        // upper bound per dimension; -1 for an empty dynamic array
    std::vector<Value, CountedAllocator<Value>> data;

    static constexpr int kMaxDims = 60;
    size_t dims() const { return upper.size(); }
};

}  // namespace vbs
