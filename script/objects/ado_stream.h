#pragma once
// ADODB.Stream, which scripts use to read and write files in a chosen character set (UTF-8
// above all) and as raw bytes. Binary data is a byte string (what LenB, MidB and AscB take),
// the nearest this engine has to a Byte() array.
#include "script/values/value.h"

namespace vbs {

Value newAdoStream();

}  // namespace vbs
