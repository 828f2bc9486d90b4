#pragma once

#include "core/binary_plist_layout.h"

namespace velmor {

// Whether parsing the binary property list costs no more than its size warrants: walks the
// object graph from the top object without recursion and says false for a reference cycle,
// for containers nested deeper than kMaxPropertyListNesting, for more objects reached
// (a shared object once per reference to it) than kMaxBinaryPlistObjectsPerByte per byte of
// the file, and for a reference or a container that points outside the file.
bool binaryPlistGraphIsBounded(const BinaryPlistLayout& layout);

}  // namespace velmor
