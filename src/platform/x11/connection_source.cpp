#include "platform/x11/connection_source.h"

#include "platform/x11/glib_source.h"

namespace velmor::x11 {

namespace {

struct ConnectionSource {
    GSource base;
    ::Display* display;
    GPollFD descriptor;
};

ConnectionSource& of(GSource* source) {
    return *reinterpret_cast<ConnectionSource*>(source);
}

gboolean prepareConnection(GSource* source, gint* timeout) {
    *timeout = -1;
    // Requests still in Xlib's buffer would wait for ever while the loop sleeps.
    XFlush(of(source).display);
    return XEventsQueued(of(source).display, QueuedAlready) > 0;
}

gboolean checkConnection(GSource* source) {
    const ConnectionSource& connection = of(source);
    return (connection.descriptor.revents & (G_IO_IN | G_IO_HUP | G_IO_ERR)) != 0 ||
           XEventsQueued(connection.display, QueuedAlready) > 0;
}

gboolean dispatchConnection(GSource*, GSourceFunc callback, gpointer data) {
    return callback(data);
}

gboolean runDispatch(gpointer data) {
    (*static_cast<std::function<void()>*>(data))();
    return G_SOURCE_CONTINUE;
}

class SourceToken : public ConnectionWatchToken {
public:
    explicit SourceToken(OwnedSource source) : source_(std::move(source)) {}

private:
    OwnedSource source_;
};

}  // namespace

std::unique_ptr<ConnectionWatchToken> watchConnectionIn(GMainContext* context, ::Display* display,
                                                        std::function<void()> dispatch) {
    static GSourceFuncs funcs{
        &prepareConnection, &checkConnection, &dispatchConnection, nullptr, nullptr, nullptr};
    OwnedSource source(g_source_new(&funcs, sizeof(ConnectionSource)));
    ConnectionSource& connection = of(source.get());
    connection.display = display;
    connection.descriptor.fd = ConnectionNumber(display);
    connection.descriptor.events = G_IO_IN | G_IO_HUP | G_IO_ERR;
    connection.descriptor.revents = 0;
    g_source_add_poll(source.get(), &connection.descriptor);
    g_source_set_name(source.get(), "velmor X connection");
    setOwnedCallback(source.get(), &runDispatch, std::move(dispatch));
    g_source_attach(source.get(), context);
    return std::make_unique<SourceToken>(std::move(source));
}

}  // namespace velmor::x11
