#include "platform/sim/sim_platform.h"

#include <utility>

#include "platform/file_user_defaults.h"
#include "platform/in_memory_user_defaults.h"

namespace velmor::sim {

namespace {

std::unique_ptr<platform::UserDefaults> makeDefaults(const SimOptions& options) {
    if (options.inMemoryDefaults) {
        return std::make_unique<platform::InMemoryUserDefaults>();
    }
    return std::make_unique<platform::FileUserDefaults>(options.home / SimPlatform::kDefaultsFile);
}

}  // namespace

SimPlatform::SimPlatform(SimOptions options)
    : options_(std::move(options)),
      ui_(scheduler_, recorder_, options_.resourceDirectory),
      defaults_(makeDefaults(options_)) {}

SimPlatform::~SimPlatform() = default;

std::optional<std::filesystem::path> SimPlatform::defaultsMovedAsideTo() const {
    const auto* file = dynamic_cast<const platform::FileUserDefaults*>(defaults_.get());
    return file ? file->movedAsideTo() : std::nullopt;
}

void SimPlatform::setFrontmostApplication(std::optional<std::string> bundleIdentifier,
                                          std::int32_t pid,
                                          std::optional<std::string> windowTitle) {
    // A frontmost application is shown, so never hidden.
    workspace_.addRunningApplication(std::move(bundleIdentifier), pid, false);
    workspace_.setFrontmostApplication(pid);
    if (windowTitle) {
        accessibility_.setFocusedWindow(pid, std::move(windowTitle));
    }
}

}  // namespace velmor::sim
