#include "script/objects/registry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/string.h"
#include "script/values/text.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/objects/shell.h"

namespace vbs {

namespace {

constexpr int32_t kNotFound = -2147024894;     // ERROR_FILE_NOT_FOUND, as WSH reports every miss
constexpr int32_t kBadArgument = -2147024809;  // E_INVALIDARG

enum class Kind { Sz, ExpandSz, Dword, Binary };
constexpr std::u16string_view kKindNames[] = {u"REG_SZ", u"REG_EXPAND_SZ", u"REG_DWORD", u"REG_BINARY"};

struct Entry {
    std::u16string key;   // "HKEY_CURRENT_USER\Software\ACME", the root in full
    std::u16string name;  // "" for the key's default value
    bool isValue = false;  // else the key itself, kept so that a key without values exists
    Kind kind = Kind::Sz;
    std::u16string text;  // Sz and ExpandSz
    std::vector<uint8_t> bytes;  // Binary
    int32_t number = 0;   // Dword
};

// Read at each call: a script may point XDG_CONFIG_HOME elsewhere, with a path as it sees paths.
std::string storePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder = config && *config ? nativePath(utf8ToUtf16(config)) : std::string(std::getenv("HOME") ? std::getenv("HOME") : "") + "/.config";
    return folder + "/tarvik/registry";
}

// One line per key ("K key") and value ("V key name kind data"), fields apart by tabs, with
// backslash escapes for tabs, line ends and backslashes inside them.
std::string escape(std::u16string_view s) {
    std::string out;
    for (char c : utf16ToUtf8(s)) {
        if (c == '\\' || c == '\t' || c == '\n' || c == '\r') out += '\\';
        out += c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : c;
    }
    return out;
}

std::vector<std::u16string> fields(const std::string& line) {
    std::vector<std::u16string> out(1);
    std::string field;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            out.back() = utf8ToUtf16(field);
            field.clear();
            out.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            char e = line[++i];
            field += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        } else {
            field += c;
        }
    }
    out.back() = utf8ToUtf16(field);
    return out;
}

std::vector<Entry> load() {
    std::vector<Entry> entries;
    std::ifstream in(storePath(), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::u16string> f = fields(line);
        Entry e;
        if (f.size() == 2 && f[0] == u"K") {
            e.key = f[1];
        } else if (f.size() == 5 && f[0] == u"V") {
            e.key = f[1];
            e.name = f[2];
            e.isValue = true;
            e.kind = f[3] == u"1" ? Kind::ExpandSz : f[3] == u"2" ? Kind::Dword : f[3] == u"3" ? Kind::Binary : Kind::Sz;
            std::string data = utf16ToUtf8(f[4]);
            if (e.kind == Kind::Dword) e.number = static_cast<int32_t>(std::strtol(data.c_str(), nullptr, 10));
            else if (e.kind == Kind::Binary)
                for (size_t i = 0; i + 1 < data.size(); i += 2) e.bytes.push_back(static_cast<uint8_t>(std::stoi(data.substr(i, 2), nullptr, 16)));
            else e.text = f[4];
        } else {
            continue;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void save(const std::vector<Entry>& entries) {
    std::string path = storePath();
    std::string folder = path.substr(0, path.rfind('/'));
    ::mkdir(folder.substr(0, folder.rfind('/')).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    std::ostringstream text;
    for (const Entry& e : entries) {
        if (!e.isValue) {
            text << "K\t" << escape(e.key) << '\n';
            continue;
        }
        text << "V\t" << escape(e.key) << '\t' << escape(e.name) << '\t' << static_cast<int>(e.kind) << '\t';
        if (e.kind == Kind::Dword) text << e.number;
        else if (e.kind == Kind::Binary)
            for (uint8_t b : e.bytes) text << "0123456789abcdef"[b >> 4] << "0123456789abcdef"[b & 15];
        else text << escape(e.text);
        text << '\n';
    }
    // Written whole, then renamed over the old store: a reader never sees half of it.
    std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!(out << text.str()).flush()) raise(errPermissionDenied);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) raise(errPermissionDenied);
}

// "HKCU\Software\ACME\Name" -> key "HKEY_CURRENT_USER\Software\ACME", name "Name"; the five roots
// and their abbreviations as WSH takes them.
struct Name {
    std::u16string key, name;
};

Name split(std::u16string_view full, std::u16string_view source) {
    static constexpr std::pair<std::u16string_view, std::u16string_view> kRoots[] = {
        {u"HKCU", u"HKEY_CURRENT_USER"}, {u"HKEY_CURRENT_USER", u"HKEY_CURRENT_USER"},
        {u"HKLM", u"HKEY_LOCAL_MACHINE"}, {u"HKEY_LOCAL_MACHINE", u"HKEY_LOCAL_MACHINE"},
        {u"HKCR", u"HKEY_CLASSES_ROOT"}, {u"HKEY_CLASSES_ROOT", u"HKEY_CLASSES_ROOT"},
        {u"HKEY_USERS", u"HKEY_USERS"}, {u"HKEY_CURRENT_CONFIG", u"HKEY_CURRENT_CONFIG"},
    };
    size_t slash = full.find(u'\\');
    std::u16string_view root = full.substr(0, slash);
    for (auto [abbreviation, whole] : kRoots) {
        if (slash == std::u16string_view::npos || !equalsIgnoreCase(root, abbreviation)) continue;
        size_t last = full.rfind(u'\\');
        std::u16string key(whole);
        if (last > slash) key.append(full.substr(slash, last - slash));
        return {key, std::u16string(full.substr(last + 1))};
    }
    wshError(kNotFound, u"Invalid root in registry key \"" + std::u16string(full) + u"\".", source);
}

bool sameKey(const std::u16string& a, const std::u16string& b) { return equalsIgnoreCase(a, b); }

std::mutex& storeLock() {
    static std::mutex lock;  // engines on other threads share the one store
    return lock;
}

}  // namespace

Value regRead(std::u16string_view full) {
    Name n = split(full, u"WshShell.RegRead");
    std::lock_guard guard(storeLock());
    for (const Entry& e : load()) {
        if (!e.isValue || !sameKey(e.key, n.key) || !equalsIgnoreCase(e.name, n.name)) continue;
        if (e.kind == Kind::Dword) return Value::lng(e.number);
        if (e.kind != Kind::Binary) return Value(e.text);
        auto* a = new ArrayRep;  // REG_BINARY reads as an array of its bytes
        a->upper.push_back(static_cast<int32_t>(e.bytes.size()) - 1);
        for (uint8_t b : e.bytes) a->data.push_back(Value::byte(b));
        return Value::array(a);
    }
    wshError(kNotFound, u"Unable to open registry key \"" + std::u16string(full) + u"\" for reading.", u"WshShell.RegRead");
}

void regWrite(std::u16string_view full, const Value& value, std::u16string_view type) {
    Name n = split(full, u"WshShell.RegWrite");
    Entry v;
    v.key = n.key;
    v.name = n.name;
    v.isValue = true;
    size_t kind = 0;
    while (kind < std::size(kKindNames) && !equalsIgnoreCase(kKindNames[kind], type)) ++kind;
    if (kind == std::size(kKindNames))  // REG_MULTI_SZ too: WSH cannot write it
        wshError(kBadArgument, u"The parameter is incorrect.", u"WshShell.RegWrite");
    v.kind = static_cast<Kind>(kind);
    if (v.kind == Kind::Sz || v.kind == Kind::ExpandSz) {
        v.text = comText(value).view();
    } else {
        v.number = toLong(value);
        if (v.kind == Kind::Binary)  // one DWORD at most, as WSH writes it
            for (int i = 0; i < 4; ++i) v.bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v.number) >> (8 * i)));
    }
    std::lock_guard guard(storeLock());
    std::vector<Entry> entries = load();
    // The key and every key above it exist from now on.
    for (size_t end = v.key.find(u'\\'); ; end = v.key.find(u'\\', end + 1)) {
        std::u16string key = v.key.substr(0, end);
        bool known = false;
        for (const Entry& e : entries) known = known || (!e.isValue && sameKey(e.key, key));
        if (!known) {
            Entry k;
            k.key = key;
            entries.push_back(std::move(k));
        }
        if (end == std::u16string::npos) break;
    }
    bool replaced = false;
    for (Entry& e : entries)
        if (e.isValue && sameKey(e.key, v.key) && equalsIgnoreCase(e.name, v.name)) {
            e = v;
            replaced = true;
        }
    if (!replaced) entries.push_back(std::move(v));
    save(entries);
}

void regDelete(std::u16string_view full) {
    Name n = split(full, u"WshShell.RegDelete");
    std::lock_guard guard(storeLock());
    std::vector<Entry> entries = load();
    size_t before = entries.size();
    if (!n.name.empty()) {
        std::erase_if(entries, [&](const Entry& e) { return e.isValue && sameKey(e.key, n.key) && equalsIgnoreCase(e.name, n.name); });
    } else {
        // A key goes with its values once it has no keys below it (a root stays).
        std::u16string prefix = n.key + u"\\";
        auto below = [&](const Entry& e) {
            return !e.isValue && e.key.size() > prefix.size() && equalsIgnoreCase(std::u16string_view(e.key).substr(0, prefix.size()), prefix);
        };
        bool root = n.key.find(u'\\') == std::u16string::npos;
        if (!root && std::none_of(entries.begin(), entries.end(), below))
            std::erase_if(entries, [&](const Entry& e) { return sameKey(e.key, n.key); });
    }
    if (entries.size() == before)
        wshError(kNotFound, u"Unable to remove registry key \"" + std::u16string(full) + u"\".", u"WshShell.RegDelete");
    save(entries);
}

}  // namespace vbs
