#include "script/objects/type_lib.h"

#include <random>

#include "script/objects/members.h"

namespace vbs {

namespace {

constexpr Member kMembers[] = {{}, {u"Guid", 0, 0, kReadOnly}};
constexpr MemberTable kTable(kMembers);

// "{XXXXXXXX-XXXX-4XXX-YXXX-XXXXXXXXXXXX}", a version 4 GUID as CoCreateGuid makes them, and
// then two NULs: Windows hands out a 40-character string, which scripts trim with Left(g, 38).
String newGuid() {
    thread_local std::mt19937_64 random{(static_cast<uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}()};
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    uint64_t bits[2] = {random(), random()};
    bits[0] = (bits[0] & ~0xF000ULL) | 0x4000ULL;                       // version 4
    bits[1] = (bits[1] & ~(0xC000ULL << 48)) | (0x8000ULL << 48);       // RFC 4122 variant
    std::u16string text = u"{";
    for (int nibble = 0; nibble < 32; ++nibble) {
        if (nibble == 8 || nibble == 12 || nibble == 16 || nibble == 20) text += u'-';
        uint64_t word = bits[nibble / 16];
        text += kHex[(word >> (60 - 4 * (nibble % 16))) & 15];
    }
    text += u'}';
    text.append(2, u'\0');
    return String(text);
}

class TypeLib final : public TableObject {
public:
    TypeLib() : TableObject(kTable), guid_(newGuid()) {}
    std::u16string_view typeName() const override { return u"Object"; }

private:
    void call(int, Invoke, Value*, int, Value& result) override { result = Value(guid_); }
    String guid_;
};

}  // namespace

Value newTypeLib() { return Value::object(new TypeLib); }

}  // namespace vbs
