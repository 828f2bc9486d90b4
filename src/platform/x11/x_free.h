#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace velmor::x11 {

// Memory that Xlib hands out and XFree takes back.
struct XFreeDeleter {
    void operator()(void* memory) const {
        if (memory != nullptr) {
            XFree(memory);
        }
    }
};

template <typename T>
using XMemory = std::unique_ptr<T, XFreeDeleter>;

}  // namespace velmor::x11
