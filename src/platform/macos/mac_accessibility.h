#pragma once

#include "platform/accessibility.h"
#include "platform/macos_tables/handle_table.h"

namespace velmor::macos {

// The accessibility API: the process's trust, and the focused window of another
// application with a messaging time-out on both elements. A window element stays usable
// until eight newer ones have been handed out. Any thread.
class MacAccessibility : public platform::Accessibility {
public:
    MacAccessibility();

    bool hasInputPermission() override;
    bool checkInputPermission(bool askUser) override;
    std::optional<platform::WindowElement> focusedWindow(std::int32_t pid, double timeout) override;
    std::optional<std::string> windowTitle(const platform::WindowElement& window,
                                           double timeout) override;
    bool setMinimized(const platform::WindowElement& window, bool minimized,
                      double timeout) override;

private:
    HandleTable windows_;
};

}  // namespace velmor::macos
