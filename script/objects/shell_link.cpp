#include "script/objects/shell_link.h"

#include <utility>

#include "script/values/codepage.h"

namespace vbs {

namespace {

// The layout as Microsoft's [MS-SHLLINK] documents it.
constexpr uint32_t kHeaderSize = 0x4C;
constexpr std::string_view kLinkClsid{"\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16};
enum LinkFlags : uint32_t {
    HasTargetIdList = 0x1, HasLinkInfo = 0x2, HasName = 0x4, HasRelativePath = 0x8, HasWorkingDir = 0x10,
    HasArguments = 0x20, HasIconLocation = 0x40, IsUnicode = 0x80, HasExpString = 0x200,
};
constexpr uint32_t kEnvironmentBlock = 0xA0000001;  // the target as written with %variables%

class Reader {
public:
    explicit Reader(std::string_view b) : b_(b) {}
    bool has(size_t at, size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    uint32_t u16(size_t at) const { return has(at, 2) ? byte(at) | byte(at + 1) << 8 : 0; }
    uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }
    // A NUL-ended ANSI string at `at`, or UTF-16 with wide.
    std::u16string cString(size_t at, bool wide) const {
        std::u16string out;
        if (wide) {
            for (; has(at, 2) && u16(at); at += 2) out += static_cast<char16_t>(u16(at));
            return out;
        }
        size_t end = at;
        while (has(end, 1) && b_[end]) ++end;
        return has(at, 0) ? decodeAnsiText(b_.substr(at, end - at)) : out;
    }

private:
    uint32_t byte(size_t at) const { return static_cast<unsigned char>(b_[at]); }
    std::string_view b_;
};

// LinkInfo: the local path (or the share's name) and the common suffix that make the target.
std::u16string linkInfoTarget(const Reader& r, size_t at) {
    uint32_t headerSize = r.u32(at + 4), flags = r.u32(at + 8);
    uint32_t suffixAt = r.u32(at + 24);
    bool wide = headerSize >= 0x24;
    std::u16string suffix = wide ? r.cString(at + r.u32(at + 32), true) : r.cString(at + suffixAt, false);
    std::u16string base;
    if (flags & 1) {
        base = wide ? r.cString(at + r.u32(at + 28), true) : r.cString(at + r.u32(at + 16), false);
    } else if (flags & 2) {
        size_t net = at + r.u32(at + 20);
        base = r.cString(net + r.u32(net + 8), false);
        if (!suffix.empty()) base += u'\\';
    }
    return base + suffix;
}

}  // namespace

bool readShellLink(std::string_view bytes, ShellLink& link) {
    Reader r(bytes);
    if (!r.has(0, kHeaderSize) || r.u32(0) != kHeaderSize || bytes.substr(4, 16) != kLinkClsid) return false;
    uint32_t flags = r.u32(20);
    link.iconIndex = static_cast<int32_t>(r.u32(56));
    link.showCommand = static_cast<int32_t>(r.u32(60));
    size_t at = kHeaderSize;
    if (flags & HasTargetIdList) at += 2 + r.u16(at);
    if (flags & HasLinkInfo) {
        link.targetPath = linkInfoTarget(r, at);
        at += r.u32(at);
    }
    bool wide = flags & IsUnicode;
    const std::pair<uint32_t, std::u16string*> strings[] = {
        {HasName, &link.description}, {HasRelativePath, &link.relativePath}, {HasWorkingDir, &link.workingDirectory},
        {HasArguments, &link.arguments}, {HasIconLocation, &link.iconLocation}};
    for (auto [flag, field] : strings) {
        if (!(flags & flag)) continue;
        size_t chars = r.u16(at);
        at += 2;
        size_t size = wide ? 2 * chars : chars;
        if (!r.has(at, size)) return true;  // cut short: what came before stands
        if (wide)
            for (size_t i = 0; i < chars; ++i) *field += static_cast<char16_t>(r.u16(at + 2 * i));
        else
            *field = decodeAnsiText(bytes.substr(at, size));
        at += size;
    }
    // A target kept only with its variables (%ProgramFiles%\...): the extra data block has it.
    for (uint32_t size; link.targetPath.empty() && (flags & HasExpString) && (size = r.u32(at)) >= 8; at += size)
        if (r.u32(at + 4) == kEnvironmentBlock) link.targetPath = r.cString(at + 268, true);
    return true;
}

}  // namespace vbs
