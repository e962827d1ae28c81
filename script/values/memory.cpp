#include "script/values/memory.h"

#include "script/values/errors.h"

namespace vbs {

thread_local constinit MemoryUse memoryUse;

void memoryOverLimit(size_t bytes) {
    creditMemory(bytes);
    raise(errOutOfMemory);
}

}  // namespace vbs
