#pragma once
// .NET's composite formatting (String.Format, StringBuilder.AppendFormat) of script values as they
// cross into .NET, in the en-US culture: "{index[,alignment][:format]}" items, "{{" and "}}",
// the standard and custom numeric formats and the DateTime ones.
#include <span>
#include <string>
#include <string_view>

#include "script/values/value.h"

namespace vbs {

constexpr int32_t kNetFormatError = -2146233033;  // FormatException

// Appends `format` with its items replaced by args; a malformed item raises FormatException.
void appendComposite(std::u16string& out, std::u16string_view format, std::span<const Value> args);

}  // namespace vbs
