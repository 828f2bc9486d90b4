#pragma once

#include <cstdint>

namespace velmor {

// How far property-list containers may nest before a file is refused unread. An event file
// nests 4 containers deep, a settings file 6, and the deepest real file we know of (a
// terminal emulator's preferences) 13; 64 leaves ample room while every recursive step of
// parsing, freeing, converting and comparing stays a few kilobytes of stack.
inline constexpr int kMaxPropertyListNesting = 64;

// A binary property list may share one object among many references, so the objects the
// parser builds can outgrow the file exponentially. Every reference takes at least one byte,
// so a plain tree never reaches as many objects as its file has bytes; twice that leaves room
// for writers that share whole containers.
inline constexpr std::uint64_t kMaxBinaryPlistObjectsPerByte = 2;

}  // namespace velmor
