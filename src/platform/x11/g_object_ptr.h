#pragma once

#include <glib-object.h>

#include <memory>

namespace velmor::x11 {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

// Owns one reference to a GObject.
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Takes a reference of its own, sinking a floating one (a new widget's).
template <typename T>
GObjectPtr<T> holdObject(T* object) {
    return GObjectPtr<T>(static_cast<T*>(g_object_ref_sink(object)));
}

}  // namespace velmor::x11
