#include "script/objects/shell.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <syslog.h>
#include <unistd.h>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/objects/process.h"
#include "script/objects/registry.h"
#include "script/objects/shortcut.h"
#include "script/values/text.h"

extern char** environ;

namespace vbs {

void wshError(int32_t number, std::u16string description, std::u16string_view source) {
    ScriptError e;
    e.number = number;
    e.description = std::move(description);
    e.source = source;
    throw e;
}

namespace {

// The HRESULTs WSH reports, as Err.Number shows them.
constexpr int32_t kNotFound = -2147024894;      // ERROR_FILE_NOT_FOUND
constexpr int32_t kAccessDenied = -2147024891;  // E_ACCESSDENIED
constexpr int32_t kException = -2147352567;     // DISP_E_EXCEPTION

// Windows looks variables up without regard to case.
const char* findVariable(std::u16string_view name, std::string* foundName = nullptr) {
    for (char** e = environ; *e; ++e) {
        std::string_view entry(*e);
        size_t eq = entry.find('=');
        if (eq == std::string_view::npos || !equalsIgnoreCase(utf8ToUtf16(entry.substr(0, eq)), name)) continue;
        if (foundName) *foundName = entry.substr(0, eq);
        return *e + eq + 1;
    }
    return nullptr;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "/";
}

// ComputerName as Windows keeps it: the host name without its domain, in capitals.
String computerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return String(u"LOCALHOST");
    std::u16string text = utf8ToUtf16(std::string_view(name).substr(0, std::string_view(name).find('.')));
    for (char16_t& c : text) c = toUpper(c);
    return String(text);
}

// PROCESSOR_ARCHITECTURE as Windows names this machine's.
String architecture() {
    utsname u{};
    ::uname(&u);
    std::string_view m = u.machine;
    if (m == "x86_64") return String(u"AMD64");
    if (m == "aarch64") return String(u"ARM64");
    if (m.size() == 4 && m[0] == 'i' && m.substr(2) == "86") return String(u"x86");
    return String::fromUtf8(m);
}

String userName() {
    if (const char* user = std::getenv("USER"); user && *user) return String::fromUtf8(user);
    const passwd* pw = ::getpwuid(::getuid());
    return String::fromUtf8(pw && pw->pw_name ? pw->pw_name : "");
}

// What the standard Windows variables say where this environment does not set them, so that
// "%TEMP%\log.txt" or "%USERPROFILE%" name real places here; "" for any other name.
String windowsDefault(std::u16string_view name) {
    auto is = [&](std::u16string_view n) { return equalsIgnoreCase(name, n); };
    if (is(u"TEMP") || is(u"TMP")) return scriptPath(temporaryFolder());
    if (is(u"USERNAME")) return userName();
    if (is(u"COMPUTERNAME") || is(u"USERDOMAIN")) return computerName();
    if (is(u"USERPROFILE")) return scriptPath(homeFolder());
    if (is(u"HOMEPATH")) return String(scriptPath(homeFolder()).view().substr(2));  // after HOMEDRIVE
    if (is(u"APPDATA")) return scriptPath(homeFolder() + "/.config");
    if (is(u"LOCALAPPDATA")) return scriptPath(homeFolder() + "/.local/share");
    if (is(u"HOMEDRIVE") || is(u"SystemDrive")) return String(u"C:");  // "C:" is the one file system
    if (is(u"windir") || is(u"SystemRoot")) return scriptPath(kWindowsFolder);
    if (is(u"OS")) return String(u"Windows_NT");
    // The command interpreter: Run and Exec start "%ComSpec% /c ..." with the system's shell.
    if (is(u"ComSpec")) return scriptPath(std::string(kSystemFolder) + "/cmd.exe");
    if (is(u"PATHEXT")) return String(u".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC");
    if (is(u"PROCESSOR_ARCHITECTURE")) return architecture();
    if (is(u"NUMBER_OF_PROCESSORS")) return toString(Value::lng(static_cast<int32_t>(::sysconf(_SC_NPROCESSORS_ONLN))));
    if (is(u"ProgramFiles") || is(u"ProgramFiles(x86)") || is(u"ProgramW6432")) return String(u"/opt");
    return String();
}

// A variable's value, or its Windows default; false when it has neither.
bool variable(std::u16string_view name, String& value) {
    if (const char* v = findVariable(name)) {
        value = String::fromUtf8(v);
        return true;
    }
    value = windowsDefault(name);
    return !value.empty();
}

// %NAME% becomes the variable's value; an unknown one stays as written.
String expand(std::u16string_view text) {
    std::u16string out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t open = text.find(u'%', pos);
        size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) break;
        out.append(text.substr(pos, open - pos));
        String value;
        if (close > open + 1 && variable(text.substr(open + 1, close - open - 1), value)) out += value.view();
        else out.append(text.substr(open, close - open + 1));
        pos = close + 1;
    }
    out.append(text.substr(pos));
    return String(out);
}

// Environment(type): every type is the process's own environment, the only one there is here.
class Environment final : public TableObject {
public:
    Environment() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"IWshEnvironment"; }
    std::unique_ptr<Enumerator> enumerate() override {
        struct Entries final : Enumerator {
            std::vector<String> entries;
            size_t i = 0;
            bool next(Value& out) override {
                if (i == entries.size()) return false;
                out = Value(entries[i++]);
                return true;
            }
        };
        auto e = std::make_unique<Entries>();
        for (char** v = environ; *v; ++v) e->entries.push_back(String::fromUtf8(*v));
        return e;
    }

private:
    enum Id { Item, Count, Length, Remove };
    static constexpr Member kMembers[] = {
        {u"Item", 1, 1, kReadWrite}, {u"Count", 0, 0}, {u"length", 0, 0, kReadOnly}, {u"Remove", 1, 1}};
    static constexpr MemberTable kTable{kMembers};

    void call(int id, Invoke kind, Value* args, int, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Item: {
                String name = toString(args[0]);
                std::string found;
                const char* value = findVariable(name.view(), &found);
                if (kind == Invoke::Let) {
                    std::string target = value ? found : utf16ToUtf8(name.view());
                    if (target.empty() || target.find('=') != std::string::npos) raise(errInvalidCall);
                    ::setenv(target.c_str(), utf16ToUtf8(toString(args[1]).view()).c_str(), 1);
                } else {
                    String text;
                    variable(name.view(), text);
                    result = Value(text);
                }
                return;
            }
            case Count:
            case Length: {
                int32_t n = 0;
                for (char** v = environ; *v; ++v) ++n;
                result = Value::lng(n);
                return;
            }
            case Remove: {
                std::string found;
                if (!findVariable(toString(args[0]).view(), &found))
                    wshError(kNotFound, u"The system cannot find the file specified.", u"WshEnvironment.Remove");
                ::unsetenv(found.c_str());
                return;
            }
        }
    }
};

// SpecialFolders: the folders a Linux desktop has for Windows' names, in Windows' order, the
// all-users ones being the user's own; "" for an unknown name, as Windows answers one. A folder
// missing here is the home folder, as the XDG user folders fall back to it (so the Desktop a
// script saves a shortcut to is somewhere).
class SpecialFolders final : public TableObject {
public:
    SpecialFolders() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"IWshCollection"; }
    std::unique_ptr<Enumerator> enumerate() override {
        struct Paths final : Enumerator {
            size_t i = 0;
            bool next(Value& out) override {
                if (i == std::size(kFolders)) return false;
                out = Value(path(i++));
                return true;
            }
        };
        return std::make_unique<Paths>();
    }

private:
    static constexpr std::pair<std::u16string_view, const char*> kFolders[] = {
        {u"AllUsersDesktop", "Desktop"}, {u"AllUsersStartMenu", ".local/share/applications"},
        {u"AllUsersPrograms", ".local/share/applications"}, {u"AllUsersStartup", ".config/autostart"},
        {u"Desktop", "Desktop"}, {u"Fonts", ".local/share/fonts"}, {u"MyDocuments", "Documents"},
        {u"Programs", ".local/share/applications"}, {u"StartMenu", ".local/share/applications"},
        {u"Startup", ".config/autostart"}, {u"Templates", "Templates"}, {u"AppData", ".config"},
    };
    static String path(size_t i) {
        std::string folder = homeFolder() + "/" + kFolders[i].second;
        struct stat info;
        if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) folder = homeFolder();
        return scriptPath(folder);
    }
    enum Id { Item, Count, Length };
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0}, {u"length", 0, 0, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};

    void call(int id, Invoke, Value* args, int, Value& result) override {
        if (id != Item) {
            result = Value::lng(static_cast<int32_t>(std::size(kFolders)));
            return;
        }
        result = Value(String());
        Value key = defaultValue(args[0]);
        if (key.isNumeric()) {
            int32_t i = toLong(key);
            if (i < 0 || i >= static_cast<int32_t>(std::size(kFolders))) raise(errSubscript);
            result = Value(path(static_cast<size_t>(i)));
            return;
        }
        String name = toString(key);
        for (size_t i = 0; i < std::size(kFolders); ++i)
            if (equalsIgnoreCase(kFolders[i].first, name.view())) result = Value(path(i));
    }
};

class Shell final : public TableObject {
public:
    explicit Shell(Host* host) : TableObject(kTable), host_(host) {}
    std::u16string_view typeName() const override { return u"IWshShell3"; }

private:
    enum Id { None, ExpandEnvironmentStrings, Environment_, CurrentDirectory, SpecialFolders_, RegRead, RegWrite, RegDelete, Run, Exec, Popup,
              AppActivate, SendKeys, CreateShortcut, LogEvent };
    static constexpr Member kMembers[] = {
        {}, {u"ExpandEnvironmentStrings", 1, 1}, {u"Environment", 0, 1, kReadOnly}, {u"CurrentDirectory", 0, 0, kReadWrite},
        {u"SpecialFolders", 0, 0, kReadOnly}, {u"RegRead", 1, 1}, {u"RegWrite", 2, 3}, {u"RegDelete", 1, 1},
        {u"Run", 1, 3}, {u"Exec", 1, 1}, {u"Popup", 1, 4}, {u"AppActivate", 1, 2}, {u"SendKeys", 1, 2},
        {u"CreateShortcut", 1, 1}, {u"LogEvent", 2, 3},
    };
    static constexpr MemberTable kTable{kMembers};

    void call(int id, Invoke kind, Value* args, int argc, Value& result) override {
        switch (static_cast<Id>(id)) {
            case None: return;  // not reached: check() rejects it
            case ExpandEnvironmentStrings: result = Value(expand(toString(args[0]).view())); return;
            case Environment_: {
                if (hasArg(args, argc, 0)) {
                    String type = toString(args[0]);
                    bool known = false;
                    for (std::u16string_view t : {u"System", u"User", u"Volatile", u"Process"})
                        known = known || equalsIgnoreCase(t, type.view());
                    if (!known) raise(errInvalidCall);
                }
                result = Value::object(new Environment);
                return;
            }
            case CurrentDirectory: {
                if (kind != Invoke::Let) {
                    result = Value(scriptPath(absolutePath(u".")));
                    return;
                }
                std::string folder = matchCase(absolutePath(toString(args[0]).view()));
                if (::chdir(folder.c_str()) != 0)
                    wshError(kNotFound, u"The system cannot find the file specified.", u"WshShell.CurrentDirectory");
                return;
            }
            case SpecialFolders_: result = Value::object(new SpecialFolders); return;
            case RegRead: result = regRead(comText(args[0]).view()); return;
            case RegWrite:
                regWrite(comText(args[0]).view(), args[1], hasArg(args, argc, 2) ? comText(args[2]).view() : u"REG_SZ");
                return;
            case RegDelete: regDelete(comText(args[0]).view()); return;
            case Run:
            case Exec: {
                String command = expand(comText(args[0]).view());
                if (!host_ || !host_->startingProgram())
                    wshError(kAccessDenied, u"A brain may not start other programs: \"" + std::u16string(command.view()) + u"\".",
                             id == Run ? u"WshShell.Run" : u"WshShell.Exec");
                if (id == Exec) result = execProgram(command.view());
                else result = Value::lng(runProgram(command.view(), hasArg(args, argc, 2) && toBool(args[2])));
                return;
            }
            case Popup: {
                // As MsgBox: the host shows it (the command-line runner prints it and answers OK).
                String text = toString(args[0]);
                String title = hasArg(args, argc, 2) ? toString(args[2]) : String(u"Windows Script Host");
                int32_t type = hasArg(args, argc, 3) ? toLong(args[3]) : 0;
                result = Value::lng(host_ ? host_->msgBox(text.view(), type, title.view()) : defaultButton(type));
                return;
            }
            // A script has no windows of other programs to reach here: none is found to activate,
            // and keys sent go nowhere rather than into whatever the user is typing in.
            case AppActivate: result = Value::boolean(false); return;
            case SendKeys: comText(args[0]); return;
            case LogEvent: {
                // The system log is this system's event log; the type's levels map one to one.
                int32_t type = toLong(args[0]);
                int level = type == 1 || type == 16 ? LOG_ERR : type == 2 ? LOG_WARNING : type == 4 ? LOG_INFO : LOG_NOTICE;
                ::syslog(LOG_USER | level, "%s", toString(args[1]).toUtf8().c_str());
                result = Value::boolean(true);
                return;
            }
            case CreateShortcut: {
                String path = toString(args[0]);
                bool url = equalsIgnoreCase(extensionPart(path.view()), u"url");
                if (!url && !equalsIgnoreCase(extensionPart(path.view()), u"lnk"))
                    wshError(kException, u"The shortcut pathname must end with .lnk or .url.", u"WshShell.CreateShortcut");
                result = newShortcut(matchCase(absolutePath(path.view())), url);
                return;
            }
        }
    }
    Host* host_;
};

// EnumNetworkDrives and EnumPrinterConnections: no drives are mapped and no printers connected.
class NoConnections final : public TableObject {
public:
    NoConnections() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"IWshCollection"; }
    std::unique_ptr<Enumerator> enumerate() override {
        struct None final : Enumerator {
            bool next(Value&) override { return false; }
        };
        return std::make_unique<None>();
    }

private:
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0}, {u"length", 0, 0, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};
    void call(int id, Invoke, Value*, int, Value& result) override {
        if (id == 0) raise(errSubscript);
        result = Value::lng(0);
    }
};

class Network final : public TableObject {
public:
    Network() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"IWshNetwork2"; }

private:
    enum Id { None, UserName, ComputerName, UserDomain, EnumNetworkDrives, EnumPrinterConnections, MapNetworkDrive,
              RemoveNetworkDrive, AddPrinterConnection, AddWindowsPrinterConnection, RemovePrinterConnection,
              SetDefaultPrinter };
    static constexpr Member kMembers[] = {
        {}, {u"UserName", 0, 0, kReadOnly}, {u"ComputerName", 0, 0, kReadOnly}, {u"UserDomain", 0, 0, kReadOnly},
        {u"EnumNetworkDrives", 0, 0}, {u"EnumPrinterConnections", 0, 0}, {u"MapNetworkDrive", 2, 5},
        {u"RemoveNetworkDrive", 1, 3}, {u"AddPrinterConnection", 2, 5}, {u"AddWindowsPrinterConnection", 1, 3},
        {u"RemovePrinterConnection", 1, 3}, {u"SetDefaultPrinter", 1, 1}};
    static constexpr MemberTable kTable{kMembers};

    // There are no Windows shares or printers to connect to: the errors Windows gives for a share
    // or printer it cannot find.
    void call(int id, Invoke, Value* args, int, Value& result) override {
        std::u16string source = u"WSHNetwork." + std::u16string(table().name(id));
        switch (static_cast<Id>(id)) {
            case None: return;
            // A machine outside a domain is its own domain on Windows.
            case UserName: result = Value(userName()); return;
            case ComputerName:
            case UserDomain: result = Value(computerName()); return;
            case EnumNetworkDrives:
            case EnumPrinterConnections: result = Value::object(new NoConnections); return;
            case MapNetworkDrive:
                comText(args[1]);
                wshError(-2147024829, u"The network name cannot be found.", source);  // ERROR_BAD_NET_NAME
            case RemoveNetworkDrive:
                wshError(-2147022646, u"This network connection does not exist.", source);  // ERROR_NOT_CONNECTED
            case AddPrinterConnection:
            case AddWindowsPrinterConnection:
            case RemovePrinterConnection:
            case SetDefaultPrinter:
                wshError(-2147023095, u"The printer name is invalid.", source);  // ERROR_INVALID_PRINTER_NAME
        }
    }
};

}  // namespace

Value newShell(Host* host) { return Value::object(new Shell(host)); }
Value newNetwork() { return Value::object(new Network); }

}  // namespace vbs
