#pragma once
// System.Text.StringBuilder, which scripts create to build long text and for AppendFormat's .NET
// formatting, with the names COM gives its overloads (Append_3, AppendFormat_4...).
#include "script/values/value.h"

namespace vbs {

Value newStringBuilder();

}  // namespace vbs
