#pragma once
// System.Collections.SortedList: key and value pairs kept in the order of their keys, reached
// by key or by index, with .NET's ordering, members and exceptions.
#include "script/values/value.h"

namespace vbs {

Value newSortedList();

}  // namespace vbs
