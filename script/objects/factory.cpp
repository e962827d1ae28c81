#include "script/objects/factory.h"

#include "script/values/errors.h"
#include "script/objects/ado_stream.h"
#include "script/objects/array_list.h"
#include "script/objects/dictionary.h"
#include "script/objects/filesystem.h"
#include "script/objects/net_random.h"
#include "script/objects/regexp.h"
#include "script/objects/shell.h"
#include "script/objects/sorted_list.h"
#include "script/objects/stack_queue.h"
#include "script/objects/string_builder.h"
#include "script/objects/type_lib.h"
#include "script/values/text.h"

namespace vbs {

namespace {

[[noreturn]] void cannotCreate(std::u16string_view name) {
    std::u16string text(errorDescription(errCantCreateObject));
    if (!name.empty()) text += u": '" + std::u16string(name) + u"'";
    raise(errCantCreateObject, text);
}

}  // namespace

Value createObject(std::u16string_view progId, Host* host) {
    if (equalsIgnoreCase(progId, u"Scripting.Dictionary")) return Value::object(new Dictionary);
    if (equalsIgnoreCase(progId, u"Scripting.FileSystemObject")) return Value::object(new FileSystem(host));
    if (equalsIgnoreCase(progId, u"VBScript.RegExp")) return newRegExp();
    if (equalsIgnoreCase(progId, u"System.Collections.ArrayList")) return newArrayList();
    if (equalsIgnoreCase(progId, u"System.Collections.Stack")) return newStack();
    if (equalsIgnoreCase(progId, u"System.Collections.Queue")) return newQueue();
    if (equalsIgnoreCase(progId, u"System.Collections.SortedList")) return newSortedList();
    if (equalsIgnoreCase(progId, u"System.Text.StringBuilder")) return newStringBuilder();
    if (equalsIgnoreCase(progId, u"System.Random")) return newNetRandom();
    if (equalsIgnoreCase(progId, u"Scriptlet.TypeLib")) return newTypeLib();
    if (equalsIgnoreCase(progId, u"WScript.Shell")) return newShell(host);
    if (equalsIgnoreCase(progId, u"WScript.Network")) return newNetwork();
    if (equalsIgnoreCase(progId, u"ADODB.Stream")) return newAdoStream();
    cannotCreate(progId);
}

Value getObject(std::u16string_view path, std::u16string_view progId) { cannotCreate(path.empty() ? progId : path); }

Value newRegExp() { return Value::object(new RegExp); }

}  // namespace vbs
