#pragma once

#include <string>

#include "platform/workspace.h"
#include "platform/x11/app_launcher.h"
#include "platform/x11/application_catalog.h"
#include "platform/x11/desktop_folders.h"
#include "platform/x11/shared_display.h"

namespace velmor::x11 {

// Applications on an X11 desktop. An application is an installed desktop entry; its id is
// the WM_CLASS class its windows carry (the entry's StartupWMClass, else its desktop id
// without ".desktop"), and a running application is a process with managed windows. Any
// thread: window questions take turns on a connection of their own.
class X11Workspace : public platform::Workspace {
public:
    // The server named by `displayName`, or by $DISPLAY when it is empty; the application
    // folders of the environment unless given.
    explicit X11Workspace(const std::string& displayName = {},
                          DesktopFolders folders = DesktopFolders::fromEnvironment());

    // False when no server answered: then no application runs and none is frontmost.
    bool connected() const { return display_.connected(); }

    std::optional<platform::RunningApplication> frontmostApplication() override;
    bool isTerminated(const platform::RunningApplication& application) override;

    bool launchApplication(const std::string& name) override;
    bool launchWellKnownApplication(platform::WellKnownApplication application) override;
    std::string wellKnownApplicationPath(platform::WellKnownApplication application) override;
    bool isWebBrowser(const std::string& applicationId) override;
    bool openURL(const std::string& absoluteURL) override;
    bool openFile(const std::string& path) override;

    platform::ItemKind itemAtPath(const std::string& path) override;
    std::optional<std::string> applicationIdAtPath(const std::string& path) override;
    bool isApplication(const std::string& path) override;
    std::optional<std::string> applicationName(const std::string& applicationId) override;

    std::vector<platform::RunningApplication> runningApplications(
        const std::string& applicationId) override;
    void terminate(const platform::RunningApplication& application) override;
    void unhide(const platform::RunningApplication& application) override;
    void activate(const platform::RunningApplication& application, unsigned options) override;

    std::string ownApplicationId() override { return "velmor"; }

private:
    bool activateNewestWindowOf(const std::string& applicationId);
    void activateNewestWindowOf(std::int32_t pid);

    ApplicationCatalog catalog_;
    AppLauncher launcher_;
    SharedDisplay display_;
};

}  // namespace velmor::x11
