#include "script/objects/drive.h"

#include <sys/statvfs.h>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/file_folder.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"

namespace vbs {

namespace {

constexpr int32_t kFixedDrive = 2;

struct statvfs rootStatus() {
    struct statvfs st {};
    if (::statvfs("/", &st) != 0) raise(71);  // Disk not ready
    return st;
}

class Drive final : public TableObject {
public:
    Drive() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"Drive"; }

private:
    enum Id {
        Path, DriveLetter, DriveType, FileSystem, IsReady, RootFolder, AvailableSpace, FreeSpace, TotalSize,
        SerialNumber, ShareName, VolumeName,
    };
    static constexpr Member kMembers[] = {
        {u"Path", 0, 0, kReadOnly}, {u"DriveLetter", 0, 0, kReadOnly}, {u"DriveType", 0, 0, kReadOnly},
        {u"FileSystem", 0, 0, kReadOnly}, {u"IsReady", 0, 0, kReadOnly}, {u"RootFolder", 0, 0, kReadOnly},
        {u"AvailableSpace", 0, 0, kReadOnly}, {u"FreeSpace", 0, 0, kReadOnly}, {u"TotalSize", 0, 0, kReadOnly},
        {u"SerialNumber", 0, 0, kReadOnly}, {u"ShareName", 0, 0, kReadOnly}, {u"VolumeName", 0, 0, kReadWrite},
    };
    static constexpr MemberTable kTable{kMembers};

    void call(int id, Invoke kind, Value*, int, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Path: result = Value(u"C:"); return;
            case DriveLetter: result = Value(u"C"); return;
            case DriveType: result = Value::lng(kFixedDrive); return;
            case FileSystem: result = Value(u"NTFS"); return;
            case IsReady: result = Value::boolean(true); return;
            case RootFolder: result = makeFolder("/"); return;
            case AvailableSpace: {
                struct statvfs st = rootStatus();
                result = Value::dbl(static_cast<double>(st.f_bavail) * static_cast<double>(st.f_frsize));
                return;
            }
            case FreeSpace: {
                struct statvfs st = rootStatus();
                result = Value::dbl(static_cast<double>(st.f_bfree) * static_cast<double>(st.f_frsize));
                return;
            }
            case TotalSize: {
                struct statvfs st = rootStatus();
                result = Value::dbl(static_cast<double>(st.f_blocks) * static_cast<double>(st.f_frsize));
                return;
            }
            case SerialNumber: result = Value::lng(static_cast<int32_t>(rootStatus().f_fsid)); return;
            case ShareName: result = Value(String()); return;
            case VolumeName:
                if (kind == Invoke::Let) raise(errPermissionDenied);  // no label to change here
                result = Value(String());
                return;
        }
    }
};

class Drives final : public TableObject {
public:
    Drives() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"Drives"; }
    std::unique_ptr<Enumerator> enumerate() override {
        struct One final : Enumerator {
            bool done = false;
            bool next(Value& out) override {
                if (done) return false;
                done = true;
                out = makeDrive();
                return true;
            }
        };
        return std::make_unique<One>();
    }

private:
    enum Id { Item, Count };
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0, kReadOnly}};
    static constexpr MemberTable kTable{kMembers};

    void call(int id, Invoke, Value* args, int, Value& result) override {
        if (id == Count) {
            result = Value::lng(1);
            return;
        }
        if (!isDriveName(toString(args[0]).view())) raise(errInvalidCall);
        result = makeDrive();
    }
};

}  // namespace

bool isDriveName(std::u16string_view spec) {
    if (spec.empty() || (spec[0] | 0x20) != u'c') return false;
    return spec.size() == 1 || (spec[1] == u':' && (spec.size() == 2 || isSeparator(spec[2])));
}

Value makeDrive() { return Value::object(new Drive); }
Value makeDrives() { return Value::object(new Drives); }

}  // namespace vbs
