#pragma once
// WshShell's RegRead, RegWrite and RegDelete on a registry of the user's own: there is no Windows
// registry here, so what a script writes is kept in $XDG_CONFIG_HOME/tarvik/registry (else
// ~/.config/tarvik/registry) and read back from there, in every root alike. Names, types,
// values and errors are WSH's: "HKCU\Key\" is a key (its default value), "HKCU\Key\Name" a value.
#include <string_view>

#include "script/values/value.h"

namespace vbs {

Value regRead(std::u16string_view name);
void regWrite(std::u16string_view name, const Value& value, std::u16string_view type);
void regDelete(std::u16string_view name);

}  // namespace vbs
