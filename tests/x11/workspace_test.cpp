// Installed applications, launching them, and the running ones on a real desktop.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "platform/x11/ewmh.h"
#include "platform/x11/x11_workspace.h"
#include "x11/desktop_fixture.h"
#include "x11/test_applications.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

namespace fs = std::filesystem;
using platform::ItemKind;
using platform::RunningApplication;
using platform::WellKnownApplication;

class WorkspaceTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        applications_.emplace(folder_ / "home");
        workspace_.emplace(session_.name());
        ASSERT_TRUE(workspace_->connected());
    }

    bool clientListed(Window window) {
        const std::vector<Window> windows = Ewmh(*display_).clientWindows();
        return std::find(windows.begin(), windows.end(), window) != windows.end();
    }

    RunningApplication client() {
        return {client_->process().pid(), std::string("VelmorRecorder")};
    }

    std::optional<TestApplications> applications_;
    std::optional<X11Workspace> workspace_;
};

TEST_F(WorkspaceTest, OnlyEntriesInTheApplicationFoldersAreApplications) {
    const TestApplications& apps = *applications_;
    const fs::path editor =
        apps.write(apps.userFolder() / "editor.desktop", "Editor", "StartupWMClass=EditorWindow\n");
    const fs::path tool = apps.write(apps.systemFolder() / "vendor" / "tool.desktop", "Vendor Tool",
                                     "NoDisplay=true\n");
    const fs::path hidden = apps.write(apps.userFolder() / "gone.desktop", "Gone", "Hidden=true\n");
    const fs::path broken = apps.write(apps.userFolder() / "broken.desktop", "Broken",
                                       "TryExec=/nonexistent/program\n");
    const fs::path synced = folder_ / "Sync" / "editor.desktop";
    fs::create_directories(synced.parent_path());
    fs::copy_file(editor, synced);
    const fs::path linkToInstalled = folder_ / "Sync" / "to-editor.desktop";
    fs::create_symlink(editor, linkToInstalled);
    const fs::path installedLink = apps.userFolder() / "linked.desktop";
    fs::create_symlink(synced, installedLink);
    const fs::path text = apps.userFolder() / "notes.txt";
    std::ofstream(text) << "[Desktop Entry]\n";

    X11Workspace& workspace = *workspace_;
    EXPECT_EQ(workspace.applicationIdAtPath(editor), "EditorWindow");
    EXPECT_EQ(workspace.applicationIdAtPath(tool), "vendor-tool");
    // A link names what it points to, and installing a link is installing.
    EXPECT_EQ(workspace.applicationIdAtPath(linkToInstalled), "EditorWindow");
    EXPECT_EQ(workspace.applicationIdAtPath(installedLink), "EditorWindow");
    EXPECT_TRUE(workspace.isApplication(installedLink));

    EXPECT_FALSE(workspace.isApplication(synced));
    EXPECT_FALSE(workspace.isApplication(
        (apps.userFolder() / ".." / ".." / ".." / "Sync" / "editor.desktop").string()));
    EXPECT_FALSE(workspace.applicationIdAtPath(synced));
    for (const fs::path& path : {hidden, broken, text, apps.userFolder()}) {
        EXPECT_FALSE(workspace.isApplication(path)) << path;
    }

    EXPECT_EQ(workspace.itemAtPath(synced), ItemKind::file);
    EXPECT_EQ(workspace.itemAtPath(apps.userFolder()), ItemKind::folder);
    EXPECT_EQ(workspace.itemAtPath(folder_ / "missing.desktop"), ItemKind::none);

    EXPECT_EQ(workspace.applicationName("editorwindow"), "Editor");
    EXPECT_EQ(workspace.applicationName("vendor-tool"), "Vendor Tool");
    EXPECT_FALSE(workspace.applicationName("gone"));
    EXPECT_FALSE(workspace.applicationName("unknown"));
}

TEST_F(WorkspaceTest, LaunchesInstalledEntriesAndRefusesOthers) {
    const TestApplications& apps = *applications_;
    const fs::path editor = apps.write(apps.userFolder() / "editor.desktop", "Editor");
    apps.write(apps.systemFolder() / "tool.desktop", "Vendor Tool");
    const fs::path synced = folder_ / "Sync" / "editor.desktop";
    fs::create_directories(synced.parent_path());
    fs::copy_file(editor, synced);

    // Refused before anything starts, so no marker can come later.
    EXPECT_FALSE(workspace_->openFile(synced));
    EXPECT_FALSE(apps.launched("editor"));
    EXPECT_TRUE(workspace_->openFile(editor));
    EXPECT_TRUE(apps.waitLaunched("editor"));

    EXPECT_TRUE(workspace_->launchApplication("Vendor Tool"));
    EXPECT_TRUE(apps.waitLaunched("tool"));
    EXPECT_FALSE(workspace_->launchApplication("Nothing Installed"));
    EXPECT_FALSE(workspace_->openURL("velmor-no-handler:anything"));
}

TEST_F(WorkspaceTest, BringsTheRunningClientForwardInsteadOfLaunching) {
    const fs::path recorder = applications_->write(applications_->userFolder() / "recorder.desktop",
                                                   "Recorder", "StartupWMClass=VelmorRecorder\n");
    Ewmh ewmh(*display_);
    ewmh.activate(client_->window());
    ASSERT_TRUE(waitUntil([&] { return workspace_->frontmostApplication() == client(); }));
    EXPECT_EQ(workspace_->runningApplications("velmorrecorder"),
              std::vector<RunningApplication>{client()});
    EXPECT_FALSE(workspace_->isWebBrowser("VelmorRecorder"));
    EXPECT_TRUE(workspace_->isWebBrowser("firefox-esr"));
    EXPECT_TRUE(workspace_->isWebBrowser("com.google.Chrome"));

    ASSERT_TRUE(ewmh.iconify(client_->window()));
    ASSERT_TRUE(waitUntil([&] { return !clientViewable(); }));
    EXPECT_TRUE(workspace_->openFile(recorder));
    EXPECT_TRUE(waitUntil([&] { return clientViewable(); }));
    EXPECT_TRUE(waitUntil([&] { return ewmh.activeWindow() == client_->window(); }));
    EXPECT_FALSE(applications_->launched("recorder"));

    ASSERT_TRUE(ewmh.iconify(client_->window()));
    ASSERT_TRUE(waitUntil([&] { return !clientViewable(); }));
    workspace_->unhide(client());
    EXPECT_TRUE(waitUntil([&] { return clientViewable(); }));
}

// The front application is remembered between questions, so a switch must reach it at once.
TEST_F(WorkspaceTest, TheFrontmostApplicationFollowsTheUsersSwitchAtOnce) {
    Ewmh ewmh(*display_);
    ewmh.activate(client_->window());
    ASSERT_TRUE(waitUntil([&] { return workspace_->frontmostApplication() == client(); }));

    const Window own = ownWindow("own", "VelmorTest");
    ASSERT_TRUE(waitUntil([&] { return clientListed(own); }));
    ewmh.activate(own);
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == own; }));
    EXPECT_EQ(workspace_->frontmostApplication(),
              (RunningApplication{getpid(), std::string("VelmorTest")}));

    ewmh.activate(client_->window());
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == client_->window(); }));
    EXPECT_EQ(workspace_->frontmostApplication(), client());

    // The window list changing is enough, whatever the manager does with the active window.
    ewmh.activate(own);
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == own; }));
    ASSERT_EQ(workspace_->frontmostApplication()->pid, getpid());
    XDestroyWindow(display_->get(), own);
    ASSERT_TRUE(waitUntil([&] { return !clientListed(own); }));
    EXPECT_NE(workspace_->frontmostApplication()->pid, getpid());
}

TEST_F(WorkspaceTest, TerminatingAsksEveryWindowToClose) {
    ASSERT_TRUE(
        waitUntil([&] { return !workspace_->runningApplications("VelmorRecorder").empty(); }));
    EXPECT_FALSE(workspace_->isTerminated(client()));
    workspace_->terminate(client());
    EXPECT_TRUE(client_->waitFor("closed"));
    // Not yet reaped by the test: a zombie has ended too.
    EXPECT_TRUE(waitUntil([&] { return workspace_->isTerminated(client()); }));
    EXPECT_TRUE(
        waitUntil([&] { return workspace_->runningApplications("VelmorRecorder").empty(); }));
    EXPECT_FALSE(workspace_->frontmostApplication() == client());
}

TEST_F(WorkspaceTest, FindsAnInstalledApplicationForEachRole) {
    const TestApplications& apps = *applications_;
    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::notes), "");
    EXPECT_FALSE(workspace_->launchWellKnownApplication(WellKnownApplication::music));

    apps.write(apps.userFolder() / "plain.desktop", "Plain", "MimeType=text/plain;\n");
    const fs::path writer =
        apps.write(apps.systemFolder() / "writer.desktop", "Writer", "MimeType=text/plain;\n");
    std::ofstream(apps.configFolder() / "mimeapps.list")
        << "[Default Applications]\ntext/plain=missing.desktop;writer.desktop;\n";
    const fs::path player = apps.write(apps.userFolder() / "player.desktop", "Player",
                                       "Categories=AudioVideo;Audio;Player;\n");
    apps.write(apps.userFolder() / "panel.desktop", "Panel",
               "Categories=Settings;DesktopSettings;\n");
    const fs::path settings =
        apps.write(apps.systemFolder() / "org.gnome.Settings.desktop", "Settings");

    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::notes), writer);
    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::music), player);
    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::systemSettings), settings);
    EXPECT_TRUE(workspace_->isApplication(writer));
    EXPECT_TRUE(workspace_->launchWellKnownApplication(WellKnownApplication::notes));
    EXPECT_TRUE(apps.waitLaunched("writer"));
}

// As the desktop's own menu takes them: the entry that wins for an id (the user's own in
// place of the system's), nothing for an id the user hid, nothing this desktop does not show.
TEST_F(WorkspaceTest, LaunchesTheEntryThatWinsForItsIdAndOnlyWhereThisDesktopShowsIt) {
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    workspace_.emplace(session_.name());
    const TestApplications& apps = *applications_;
    const fs::path system = apps.write(apps.systemFolder() / "viewer.desktop", "Viewer");
    const fs::path wrapper = apps.write(folder_ / "elsewhere" / "wrapper.desktop", "Viewer");
    fs::copy_file(wrapper, apps.userFolder() / "viewer.desktop");
    const fs::path hidden = apps.write(apps.systemFolder() / "hidden.desktop", "Hidden");
    std::ofstream(apps.userFolder() / "hidden.desktop")
        << "[Desktop Entry]\nType=Application\nName=Hidden\nExec=true\nHidden=true\n";
    const fs::path gnomeOnly =
        apps.write(apps.systemFolder() / "gnome-only.desktop", "Only", "OnlyShowIn=GNOME;\n");
    const fs::path notHere =
        apps.write(apps.systemFolder() / "not-here.desktop", "Not", "NotShowIn=XFCE;\n");

    EXPECT_TRUE(workspace_->openFile(system));
    EXPECT_TRUE(apps.waitLaunched("wrapper"));
    EXPECT_FALSE(apps.launched("viewer"));
    for (const fs::path& refused : {hidden, gnomeOnly, notHere}) {
        EXPECT_FALSE(workspace_->isApplication(refused)) << refused;
        EXPECT_FALSE(workspace_->openFile(refused)) << refused;
    }
    EXPECT_FALSE(apps.launched("hidden") || apps.launched("gnome-only") ||
                 apps.launched("not-here"));
    unsetenv("XDG_CURRENT_DESKTOP");
}

TEST_F(WorkspaceTest, RolesFollowTheDesktopsOwnDefaultsItsRemovalsAndWhatItShows) {
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    workspace_.emplace(session_.name());
    const TestApplications& apps = *applications_;
    apps.write(apps.systemFolder() / "org.gnome.Settings.desktop", "GNOME Settings",
               "OnlyShowIn=GNOME;\n");
    const fs::path xfceSettings = apps.write(apps.systemFolder() / "xfce-settings-manager.desktop",
                                             "Settings Manager", "OnlyShowIn=XFCE;\n");
    apps.write(apps.systemFolder() / "common-player.desktop", "Player", "MimeType=audio/mpeg;\n");
    const fs::path xfcePlayer = apps.write(apps.systemFolder() / "xfce-player.desktop",
                                           "Xfce Player", "MimeType=audio/mpeg;\n");
    std::ofstream(apps.configFolder() / "mimeapps.list")
        << "[Default Applications]\naudio/mpeg=common-player.desktop;\n"
        << "[Removed Associations]\ntext/plain=aa-editor.desktop;\n";
    std::ofstream(apps.configFolder() / "xfce-mimeapps.list")
        << "[Default Applications]\naudio/mpeg=xfce-player.desktop;\n";
    apps.write(apps.systemFolder() / "aa-editor.desktop", "First Editor", "MimeType=text/plain;\n");
    const fs::path editor = apps.write(apps.systemFolder() / "bb-editor.desktop", "Second Editor",
                                       "MimeType=text/plain;\n");

    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::systemSettings),
              xfceSettings);
    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::music), xfcePlayer);
    EXPECT_EQ(workspace_->wellKnownApplicationPath(WellKnownApplication::notes), editor);
    unsetenv("XDG_CURRENT_DESKTOP");
}

}  // namespace
}  // namespace velmor::x11::testing
