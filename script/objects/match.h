#pragma once
// The results of RegExp.Execute: a MatchCollection of Match objects, each with its SubMatches.
// The collection holds one MatchList, the subject and the match offsets, so Execute copies no
// text; a Match's Value is cut from the subject when read. A Match or SubMatches keeps its
// collection alive and reads the list there.
#include <cstdint>
#include <vector>

#include "script/values/object.h"
#include "script/values/value.h"

namespace vbs {

struct MatchList {
    String subject;
    int groups = 0;                // capturing groups per match
    std::vector<int32_t, CountedAllocator<int32_t>> offsets;  // per match, (groups + 1) start/end pairs; -1 for a group that did not take part

    size_t count() const { return offsets.size() / (2 * (groups + 1)); }
    const int32_t* at(size_t match) const { return offsets.data() + match * 2 * (groups + 1); }
    // Group g of a match as a script value: its text, or Empty when it did not take part.
    Value group(size_t match, int g) const;
};

// A new MatchCollection holding list.
Value makeMatchCollection(MatchList list);

}  // namespace vbs
