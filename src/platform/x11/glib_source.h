#pragma once

#include <glib.h>

#include <memory>

namespace velmor::x11 {

// A source attached to a main context: dropping it detaches it from the context and lets
// GLib free it once no dispatch holds it any more.
struct SourceDeleter {
    void operator()(GSource* source) const {
        g_source_destroy(source);
        g_source_unref(source);
    }
};
using OwnedSource = std::unique_ptr<GSource, SourceDeleter>;

// Hands `data` to the source as its callback data. GLib keeps callback data alive for the
// length of a dispatch, so a callback may drop its own source safely.
template <typename Data>
void setOwnedCallback(GSource* source, GSourceFunc callback, Data data) {
    auto owned = std::make_unique<Data>(std::move(data));
    g_source_set_callback(source, callback, owned.release(), [](gpointer released) {
        std::unique_ptr<Data>(static_cast<Data*>(released));
    });
}

}  // namespace velmor::x11
