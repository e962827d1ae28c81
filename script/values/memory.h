#pragma once
// The memory cap: bytes of script data live on this thread (every string buffer, array storage,
// Dictionary entries, the text of files being read), checked against the cap of the engine running
// on the thread. Engines on one thread share the count; an allocation past the cap raises error 7,
// which the script can catch, instead of the process running out of memory.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vbs {

struct MemoryUse {
    int64_t used = 0;
    int64_t limit = INT64_MAX;  // no engine running: no cap
};
extern thread_local constinit MemoryUse memoryUse;

[[noreturn]] void memoryOverLimit(size_t bytes);

inline void chargeMemory(size_t bytes) {
    if ((memoryUse.used += static_cast<int64_t>(bytes)) > memoryUse.limit) memoryOverLimit(bytes);
}
inline void creditMemory(size_t bytes) noexcept { memoryUse.used -= static_cast<int64_t>(bytes); }
// For a buffer the caller grows itself: raises 7 when `more` bytes would pass the cap.
inline void checkMemory(size_t more) {
    if (memoryUse.used + static_cast<int64_t>(more) > memoryUse.limit) memoryOverLimit(0);
}

// An engine's cap while it runs (0: none); restores the previous one after.
class MemoryCap {
public:
    explicit MemoryCap(size_t bytes) noexcept : outer_(memoryUse.limit) {
        memoryUse.limit = bytes ? static_cast<int64_t>(bytes) : INT64_MAX;
    }
    ~MemoryCap() { memoryUse.limit = outer_; }
    MemoryCap(const MemoryCap&) = delete;
    MemoryCap& operator=(const MemoryCap&) = delete;

private:
    int64_t outer_;
};

// For containers of script data.
template <class T>
struct CountedAllocator {
    using value_type = T;
    CountedAllocator() = default;
    template <class U>
    CountedAllocator(const CountedAllocator<U>&) noexcept {}
    T* allocate(size_t n) {
        chargeMemory(n * sizeof(T));
        try {
            return std::allocator<T>().allocate(n);
        } catch (...) {
            creditMemory(n * sizeof(T));
            throw;
        }
    }
    void deallocate(T* p, size_t n) noexcept {
        creditMemory(n * sizeof(T));
        std::allocator<T>().deallocate(p, n);
    }
    template <class U>
    bool operator==(const CountedAllocator<U>&) const noexcept { return true; }
};

}  // namespace vbs
