#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace velmor::x11::testing {

// The desktop's notification service, the tests' own on the session bus: it owns the name
// on the main context and records what it is asked to show. Main thread; the main context
// must be turned for it to answer.
class NotificationServer {
public:
    struct Shown {
        std::string summary;
        std::string body;
    };

    NotificationServer();
    ~NotificationServer();
    NotificationServer(const NotificationServer&) = delete;
    NotificationServer& operator=(const NotificationServer&) = delete;

    bool owned() const { return owned_; }
    const std::vector<Shown>& shown() const { return shown_; }

private:
    static void methodCalled(GDBusConnection*, const char*, const char*, const char*,
                             const char* method, GVariant* parameters,
                             GDBusMethodInvocation* invocation, gpointer self);

    GDBusNodeInfo* node_ = nullptr;
    guint owner_ = 0;
    guint object_ = 0;
    GDBusConnection* connection_ = nullptr;
    bool owned_ = false;
    std::vector<Shown> shown_;
};

}  // namespace velmor::x11::testing
