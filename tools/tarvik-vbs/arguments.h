#pragma once
// WScript.Arguments and its Named and Unnamed views: "/name:value" and "/name" are named
// arguments, everything else unnamed.
#include <string>
#include <vector>

#include "script/values/value.h"

namespace tarvik {

vbs::Value makeArguments(std::vector<std::u16string> args);

}  // namespace tarvik
