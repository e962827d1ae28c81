#pragma once
// The object model under Dictionary, RegExp, FileSystemObject, script classes and host objects.
// Members are resolved by name once per call site: memberId() answers an id that stays valid for
// every object with the same typeKey(), so the VM caches (typeKey, id) and skips the look-up.
#include <cstdint>
#include <memory>
#include <string_view>

#include "script/values/value.h"

namespace vbs {

enum class Invoke : uint8_t {
    Get,   // property read, or a method call whose result is used
    Call,  // a method called as a statement (result ignored)
    Let,   // property assignment: the value is the last argument
    Set,   // Set obj.prop = other: the object is the last argument
};

// The default member (d("k") is d.Item("k"), obj & "" reads the default property).
constexpr int kDefaultMember = 0;
constexpr int kNoMember = -1;

// For Each over a collection.
class Enumerator {
public:
    virtual ~Enumerator() = default;
    virtual bool next(Value& out) = 0;
};

class Object {
public:
    virtual ~Object() = default;

    void addRef() noexcept { ++refs_; }
    void release() noexcept { if (--refs_ == 0) destroy(); }

    // Windows' TypeName for this object ("Dictionary", "IRegExp2", a script class's own name...).
    virtual std::u16string_view typeName() const = 0;
    // Objects with the same key share member ids.
    virtual const void* typeKey() const = 0;
    // Case-insensitive; kNoMember when the object has no such member (the VM then raises 438).
    virtual int memberId(std::u16string_view name) const = 0;
    // args are plain values (already read through any ByRef); for Let and Set the assigned value is
    // the last of them. Raises ScriptError (438, 450, 5, ...) on misuse.
    virtual void invoke(int id, Invoke kind, Value* args, int argc, Value& result) = 0;
    // For Each support; the default raises 451 (Object not a collection).
    virtual std::unique_ptr<Enumerator> enumerate();

protected:
    // Called when the last reference goes; script classes run Class_Terminate here first.
    virtual void destroy() noexcept { delete this; }

private:
    friend class Value;  // frees its last reference without recursing
    uint32_t refs_ = 0;
};

// An owning pointer for C++ code that holds objects outside Values.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(T* p) : p_(p) { if (p_) p_->addRef(); }
    Ref(const Ref& o) : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    ~Ref() { if (p_) p_->release(); }
    Ref& operator=(Ref o) noexcept { std::swap(p_, o.p_); return *this; }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace vbs
