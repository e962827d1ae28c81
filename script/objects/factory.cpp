#include "script/objects/factory.h"

#include "script/errors.h"
#include "script/objects/dictionary.h"
#include "script/objects/filesystem.h"
#include "script/objects/regexp.h"
#include "script/text.h"

namespace vbs {

Value createObject(std::u16string_view progId) {
    if (equalsIgnoreCase(progId, u"Scripting.Dictionary")) return Value::object(new Dictionary);
    if (equalsIgnoreCase(progId, u"Scripting.FileSystemObject")) return Value::object(new FileSystem);
    if (equalsIgnoreCase(progId, u"VBScript.RegExp")) return newRegExp();
    raise(errCantCreateObject);
}

Value newRegExp() { return Value::object(new RegExp); }

}  // namespace vbs
