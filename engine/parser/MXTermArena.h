#pragma once
// Memory for the terms of one parse: taken in order, given back all at once. Terms made
// here are never destroyed one by one, so they must own nothing outside the arena.
#include <array>
#include <cstddef>
#include <memory_resource>
#include <new>
#include <utility>

namespace mxcalc::detail {

class MXTermArena {
public:
    MXTermArena() = default;
    MXTermArena(const MXTermArena&) = delete;
    MXTermArena& operator=(const MXTermArena&) = delete;

    template <typename Term, typename... Arguments>
    Term* make(Arguments&&... arguments) {
        void* memory = resource_.allocate(sizeof(Term), alignof(Term));
        return ::new (memory) Term(std::forward<Arguments>(arguments)...);
    }
    std::pmr::memory_resource* resource() { return &resource_; }
    // Gives back everything made since the last release.
    void release() { resource_.release(); }

private:
    alignas(std::max_align_t) std::array<std::byte, 8192> buffer_;
    std::pmr::monotonic_buffer_resource resource_{buffer_.data(), buffer_.size()};
};

}  // namespace mxcalc::detail
