#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace velmor::x11::testing {

// A tray host of the tests' own on the session bus: it owns the watcher's name on the main
// context and records the items that register. Main thread; the main context must be turned
// for it to answer.
class StatusNotifierWatcher {
public:
    struct Registration {
        std::string busName;
        std::string objectPath;
    };

    StatusNotifierWatcher();
    ~StatusNotifierWatcher();
    StatusNotifierWatcher(const StatusNotifierWatcher&) = delete;
    StatusNotifierWatcher& operator=(const StatusNotifierWatcher&) = delete;

    bool owned() const { return owned_; }
    const std::vector<Registration>& registrations() const { return registrations_; }

private:
    static void methodCalled(GDBusConnection*, const char* sender, const char*, const char*,
                             const char* method, GVariant* parameters,
                             GDBusMethodInvocation* invocation, gpointer self);
    static GVariant* propertyRead(GDBusConnection*, const char*, const char*, const char*,
                                  const char* property, GError**, gpointer self);

    GDBusNodeInfo* node_ = nullptr;
    guint owner_ = 0;
    guint object_ = 0;
    GDBusConnection* connection_ = nullptr;
    bool owned_ = false;
    std::vector<Registration> registrations_;
};

}  // namespace velmor::x11::testing
