#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmor::conformance {

// One backend under test, with the means to act as the user and the desktop around it.
class Backend {
public:
    virtual ~Backend() = default;
    virtual platform::Platform& platform() = 0;

    // The user's input reaches the tap; what the tap answered, nothing when no tap saw it.
    virtual std::optional<platform::TapResult> sendInput(const platform::Event& event) = 0;
    // Lets queued blocks run to the end, as the main loop would between events.
    virtual void settle() = 0;
    // Lets the seconds pass with the main loop running.
    virtual void passTime(double seconds) = 0;
    // The user chooses a status-menu item by its titles; false when it could not be chosen.
    virtual bool chooseMenuItem(const std::vector<std::string>& titles) = 0;
    // The user will press this button of the next alert after keeping it open a while.
    virtual void answerNextAlert(int button, double secondsOpen) = 0;
    // The user will choose this path in the next panel, or cancel it.
    virtual void answerNextPanel(std::optional<std::string> path) = 0;
    // The user grants this program the input permission.
    virtual void grantInputPermission() = 0;
    // An application starts and comes to the front.
    virtual void bringForward(const std::string& applicationId, std::int32_t pid) = 0;

    // Why this backend cannot do the named part of the suite; nothing when it can.
    virtual std::optional<std::string> cannot(std::string_view part) const {
        (void)part;
        return std::nullopt;
    }
};

struct BackendFactory {
    std::string name;
    std::function<std::unique_ptr<Backend>(const std::filesystem::path& home)> make;

    friend void PrintTo(const BackendFactory& factory, std::ostream* out) { *out << factory.name; }
};

// Every backend built into this test program.
std::vector<BackendFactory> backendFactories();

BackendFactory simBackend();
BackendFactory x11Backend();    // only in builds with the X11 backend
BackendFactory macosBackend();  // only on a Mac

}  // namespace velmor::conformance
