#pragma once

namespace velmor::x11 {

enum class TrayHost { present, absent, noSessionBus };

// Whether a status-notifier watcher owns its name on the session bus now. Main thread: it
// waits for the bus's answer.
TrayHost findTrayHost();

}  // namespace velmor::x11
