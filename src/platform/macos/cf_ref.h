#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <utility>

namespace velmor::macos {

// Owns one reference to a Core Foundation object and releases it at the end of its scope.
template <typename Reference>
class CFRef {
public:
    CFRef() = default;
    // Takes over a reference the caller owns (from a Create or Copy function).
    explicit CFRef(Reference object) : object_(object) {}
    ~CFRef() { reset(); }
    CFRef(CFRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    CFRef& operator=(CFRef&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    CFRef(const CFRef&) = delete;
    CFRef& operator=(const CFRef&) = delete;

    Reference get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void reset() {
        if (object_ != nullptr) {
            CFRelease(object_);
            object_ = nullptr;
        }
    }

private:
    Reference object_ = nullptr;
};

}  // namespace velmor::macos
