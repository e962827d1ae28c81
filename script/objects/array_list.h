#pragma once
// System.Collections.ArrayList as .NET lends it to scripts through COM: values cross as .NET
// objects, so equality and ordering follow .NET (an Integer 1 is not a Long 1) and misuse raises
// the .NET exception's HRESULT with its message.
#include "script/values/value.h"

namespace vbs {

Value newArrayList();

}  // namespace vbs
