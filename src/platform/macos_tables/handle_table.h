#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <utility>

namespace velmor::macos {

// Handles of the system (accessibility elements) kept by number for the portable code,
// which holds only the number. At most `capacity` are kept: the oldest is released when a
// newer one would exceed it, and the rest when the table goes. Any thread.
class HandleTable {
public:
    using Retain = void* (*)(void*);
    using Release = void (*)(void*);

    HandleTable(std::size_t capacity, Retain retain, Release release)
        : capacity_(capacity), retain_(retain), release_(release) {}
    ~HandleTable();
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // Takes over one reference; the number names the handle from now on, never 0.
    std::int64_t add(void* handle);
    // A new reference to the handle, which the caller releases; null when the number names
    // none (never handed out, or released since).
    void* copy(std::int64_t number) const;

private:
    const std::size_t capacity_;
    const Retain retain_;
    const Release release_;
    mutable std::mutex mutex_;
    std::deque<std::pair<std::int64_t, void*>> handles_;  // oldest first
    std::int64_t nextNumber_ = 1;
};

}  // namespace velmor::macos
