// The whole program on a desktop of the tests' own: xdotool plays the user, the recording
// client is the application under the pointer.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>

#include <fstream>

#include "app/app_texts.h"
#include "platform/file_user_defaults.h"
#include "platform/x11/desktop_notification.h"
#include "platform/x11/pointer_grab.h"
#include "x11/dbus_menu_reader.h"
#include "x11/desktop_fixture.h"
#include "x11/notification_server.h"
#include "x11/status_notifier_watcher.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

const std::string kAltLeft = "KeyPress Left state=0x8";
const std::string kRightPress = "ButtonPress 3 state=0x0";

// Z taught three times through the menu on the simulated platform, whose settings file is the
// same on every desktop.
constexpr const char* kTrainZ = R"(permission on
launch
alert-answer 1000
menu "문자 인식하기 · A~Z" "Z"
wait 1
right-down 500 300
drag-to 620 300 20
drag-to 500 420 20
drag-to 620 420 20
right-up 620 420
right-down 510 310
drag-to 625 305 20
drag-to 505 425 20
drag-to 630 420 20
right-up 630 420
right-down 495 295
drag-to 615 300 20
drag-to 500 415 20
drag-to 620 425 20
right-up 620 425
wait 1
)";

class ProgramTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        home_ = folder_ / "home";
        std::filesystem::create_directories(home_);
        setenv("HOME", home_.c_str(), 1);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                                 "XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"}) {
            unsetenv(name);
        }
    }

    void TearDown() override {
        velmor_.reset();
        DesktopTest::TearDown();
    }

    void startVelmor() {
        const std::string command =
            "exec '" + program_.string() + "' 2>'" + terminal().string() + "'";
        velmor_.emplace(session_.start({"/bin/sh", "-c", command}));
    }

    // The program as an installation lays it out, its resources in the share folder: only
    // an installed program puts itself into the user's autostart.
    void runInstalledCopy() {
        const std::filesystem::path built = VELMOR_PROGRAM;
        const std::filesystem::path prefix = folder_ / "prefix";
        std::filesystem::create_directories(prefix / "bin");
        std::filesystem::create_directories(prefix / "share" / "velmor");
        std::filesystem::copy_file(built, prefix / "bin" / "velmor");
        std::filesystem::copy(built.parent_path() / "resources",
                              prefix / "share" / "velmor" / "resources",
                              std::filesystem::copy_options::recursive);
        program_ = prefix / "bin" / "velmor";
    }

    // The application under the pointer becomes a web browser, as far as its class tells.
    void becomeBrowser() {
        client_.emplace(session_, folder_ / "browser.txt", "Firefox");
        ASSERT_TRUE(client_->ready());
    }

    std::filesystem::path terminal() const { return folder_ / "terminal.txt"; }

    // Whether some program holds the right button: a grab of our own is refused then.
    bool rightButtonHeld() {
        PointerGrab probe(*display_);
        if (probe.grab()) {
            probe.release();
            return false;
        }
        return true;
    }

    bool startVelmorAndWaitForTheTap() {
        startVelmor();
        return waitUntil([&] { return rightButtonHeld(); });
    }

    // A right-button stroke through the points, relative to the middle of the client.
    bool stroke(std::vector<std::pair<int, int>> steps) {
        std::vector<std::string> actions{"mousedown", "3"};
        for (const auto& [dx, dy] : steps) {
            for (const std::string& word :
                 {std::string("mousemove_relative"), std::string("--"), std::to_string(dx),
                  std::to_string(dy), std::string("sleep"), std::string("0.01")}) {
                actions.push_back(word);
            }
        }
        actions.insert(actions.end(), {"mouseup", "3"});
        return userInClient(actions);
    }

    // Z taught on the simulated platform, its settings made this user's; their file.
    std::filesystem::path teachZ() {
        const std::filesystem::path machine = folder_ / "trained";
        std::ofstream(folder_ / "train.session") << kTrainZ;
        if (runToEnd({"/bin/sh", "-c",
                      "'" VELMOR_PROGRAM "' replay '" + (folder_ / "train.session").string() +
                          "' --home '" + machine.string() + "' >/dev/null"},
                     session_.name()) != 0) {
            return {};
        }
        const std::filesystem::path settings = home_ / ".config/velmor/com.brisvane.velmor.plist";
        std::filesystem::create_directories(settings.parent_path());
        std::filesystem::copy_file(machine / "Library/Preferences/com.brisvane.velmor.plist",
                                   settings);
        return settings;
    }

    // The user brings the dialog of that title to the front and presses the keys. The keys go
    // in a call of their own: chained, xdotool sends them as events GTK ignores.
    bool answerDialog(const std::string& title, std::vector<std::string> keys) {
        keys.insert(keys.begin(), "key");
        return session_.activateWindow(literalPattern(title)) && session_.xdotool(keys);
    }

    // xdotool searches by regular expression; titles such as "(URL)" must match as written.
    static std::string literalPattern(const std::string& text) {
        std::string pattern;
        for (char c : text) {
            if (std::string_view("()[]{}.*+?^$|\\").find(c) != std::string_view::npos) {
                pattern += '\\';
            }
            pattern += c;
        }
        return pattern;
    }

    struct TrayMenu {
        std::optional<DbusMenuReader> reader;
        std::string path;
    };

    // Starts the program under a tray host of the tests' own; its menu as the host reads it.
    TrayMenu startWithTray() {
        if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) {
            ADD_FAILURE() << "needs a session bus: run under dbus-run-session";
            return {};
        }
        tray_.emplace();
        if (!turnUntil([&] { return tray_->owned(); }) || !startVelmorAndWaitForTheTap() ||
            !turnUntil([&] { return !tray_->registrations().empty(); })) {
            return {};
        }
        const auto& item = tray_->registrations().front();
        DbusMenuReader reader(item.busName, item.objectPath);
        const std::optional<std::string> path = reader.menuPath();
        return path ? TrayMenu{std::move(reader), *path} : TrayMenu{};
    }

    std::filesystem::path settingsFile() const {
        return home_ / ".config/velmor/com.brisvane.velmor.plist";
    }

    // The letter menu has started a training of Q: the next three drawings are Q's.
    void trainingOfQStarted() const {
        platform::FileUserDefaults settings(settingsFile());
        settings.setString("VLStudioTrainingLetter", "Q");
        settings.setInteger("VLStudioTrainingRemaining", 3);
        ASSERT_TRUE(settings.synchronize());
    }

    // How many drawings of the training the settings file still waits for.
    std::int64_t drawingsStillDue() const {
        return platform::FileUserDefaults(settingsFile()).integer("VLStudioTrainingRemaining");
    }

    // A Z drawn in small steps, big enough to be taken as a drawing of a letter.
    static std::vector<std::string> zigzagActions() {
        std::vector<std::string> actions{"mousedown", "3"};
        for (const auto& [dx, dy] : {std::pair{10, 0}, std::pair{-10, 10}, std::pair{10, 0}}) {
            for (int i = 0; i < 12; ++i) {
                actions.insert(actions.end(), {"mousemove_relative", "--", std::to_string(dx),
                                               std::to_string(dy), "sleep", "0.01"});
            }
        }
        actions.insert(actions.end(), {"mouseup", "3"});
        return actions;
    }

    std::filesystem::path home_;
    std::filesystem::path program_ = VELMOR_PROGRAM;
    std::optional<StatusNotifierWatcher> tray_;
    std::optional<ChildProcess> velmor_;
};

TEST_F(ProgramTest, AStrokeToTheLeftPagesBackAndAPlainRightClickStillReachesTheApplication) {
    becomeBrowser();
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor(kAltLeft));

    ASSERT_TRUE(userInClient({"click", "3"}));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count(kRightPress), 1) << "a plain click reaches it exactly once";

    ASSERT_TRUE(userInClient({"click", "4"}));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count("ButtonPress 4 state=0x0"), 1) << "the wheel outside a hold";
    EXPECT_EQ(client_->count(kAltLeft), 1);
}

TEST_F(ProgramTest, AStrokeMadeWhileTheUserHoldsShiftStillPagesBackWithAltAlone) {
    becomeBrowser();
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    // Shift comes once the hold has begun: a press made with Shift down is no gesture's.
    std::vector<std::string> actions{"mousedown", "3", "keydown", "shift"};
    for (int i = 0; i < 4; ++i) {
        actions.insert(actions.end(), {"mousemove_relative", "--", "-30", "0", "sleep", "0.01"});
    }
    actions.insert(actions.end(), {"mouseup", "3"});
    ASSERT_TRUE(userInClient(actions));
    ASSERT_TRUE(client_->waitFor(kAltLeft)) << ::testing::PrintToString(client_->received());
    ASSERT_TRUE(userInClient({"keyup", "shift"}));
    EXPECT_EQ(client_->count("KeyPress Left state=0x9"), 0);
}

// The browser's title is read as the hold begins, so each stroke sees the title of its own.
TEST_F(ProgramTest, InABrowserShowingYouTubeMusicAStrokeToTheLeftIsThePreviousTrack) {
    becomeBrowser();
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    retitle(client_->window(), "Song - YouTube Music");
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor("KeyPress XF86AudioPrev state=0x0"));

    retitle(client_->window(), "Search results - Firefox");
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor(kAltLeft));
    EXPECT_EQ(client_->count("KeyPress XF86AudioPrev state=0x0"), 1);
}

TEST_F(ProgramTest, RightThenDownMinimisesTheWindowUnderTheStroke) {
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(stroke({{40, 0}, {40, 0}, {0, 40}, {0, 40}}));
    EXPECT_TRUE(waitUntil([&] { return !clientViewable(); }));
}

TEST_F(ProgramTest, DownAndBackUpRefreshesAndIsWrittenToTheGestureLog) {
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(stroke({{0, 40}, {0, 40}, {0, -40}, {0, -40}}));
    EXPECT_TRUE(client_->waitFor("KeyPress r state=0x4"));
    const std::filesystem::path log = home_ / ".local/state/velmor/Velmor_GestureLog.txt";
    EXPECT_TRUE(waitUntil([&] {
        return readFile(log).find("result=REFRESH_CMD_R") != std::string::npos;
    })) << readFile(log);
}

TEST_F(ProgramTest, ATrainedLetterOpensTheInstalledApplicationBoundToIt) {
    const std::filesystem::path settings = teachZ();
    ASSERT_FALSE(settings.empty());

    const std::filesystem::path marker = folder_ / "launched";
    const std::filesystem::path entry = home_ / ".local/share/applications/marker.desktop";
    std::filesystem::create_directories(entry.parent_path());
    std::ofstream(entry) << "[Desktop Entry]\nType=Application\nName=Marker\nExec=touch "
                         << marker.string() << "\n";
    {
        platform::FileUserDefaults defaults(settings);
        defaults.setString("VLStudioLetterApplication_Z", entry.string());
        ASSERT_TRUE(defaults.synchronize());
    }

    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    // Z in small steps, as a hand draws it: the letter needs its points.
    std::vector<std::pair<int, int>> letterZ;
    for (const auto& step : {std::pair{10, 0}, std::pair{-10, 10}, std::pair{10, 0}}) {
        letterZ.insert(letterZ.end(), 12, step);
    }
    ASSERT_TRUE(stroke(letterZ));
    EXPECT_TRUE(waitUntil([&] { return std::filesystem::exists(marker); }))
        << readFile(home_ / ".local/state/velmor/Velmor_GestureLog.txt");
}

TEST_F(ProgramTest, AnApplicationWithGesturesOffGetsTheWholeHoldUntouched) {
    {
        platform::FileUserDefaults defaults(home_ / ".config/velmor/com.brisvane.velmor.plist");
        defaults.set("VLExcludedApplications", Value(Value::Array{Value("VelmorRecorder")}));
        ASSERT_TRUE(defaults.synchronize());
    }
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count(kRightPress), 1);
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 1);
    EXPECT_EQ(client_->count("KeyPress XF86AudioPrev state=0x0"), 0) << "no gesture ran";
}

TEST_F(ProgramTest, OutsideABrowserAStrokeToTheLeftIsThePreviousTrack) {
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor("KeyPress XF86AudioPrev state=0x0"))
        << "without a media player on the bus, the media key itself";
}

TEST_F(ProgramTest, WaitsForTheRightButtonWhileAnotherProgramHoldsIt) {
    becomeBrowser();
    ChildProcess holder = session_.start({VELMOR_GRAB_HOLDER, (folder_ / "holder.txt").string()});
    ASSERT_TRUE(waitUntil([&] { return readFile(folder_ / "holder.txt").find("grabbed") == 0; }));
    startVelmor();
    // The key in a call of its own: chained, xdotool sends it as an event GTK ignores.
    EXPECT_TRUE(session_.xdotool({"search", "--sync", "--name",
                                  std::string(app_text::kPermissionMessage.freedesktop),
                                  "windowactivate", "--sync"}) &&
                session_.xdotool({"key", "Return"}))
        << "the permission-missing path tells the user in a dialog, which the user closes";
    holder.signal(SIGTERM);
    ASSERT_NE(holder.wait(kPatience), -1);

    EXPECT_TRUE(waitUntil([&] { return rightButtonHeld(); })) << "it starts once the grab is free";
    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor(kAltLeft));
}

TEST_F(ProgramTest, ASecondStartSaysTheFirstIsRunningAndLeavesItThePointer) {
    becomeBrowser();
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    const std::filesystem::path second = folder_ / "second.txt";
    EXPECT_EQ(runToEnd({"/bin/sh", "-c", "exec '" VELMOR_PROGRAM "' 2>'" + second.string() + "'"},
                       session_.name()),
              0);
    EXPECT_EQ(readFile(second),
              "velmor: Velmor is already running on display " + session_.name() + "\n");

    ASSERT_TRUE(stroke({{-30, 0}, {-30, 0}, {-30, 0}, {-30, 0}}));
    EXPECT_TRUE(client_->waitFor(kAltLeft));
}

TEST_F(ProgramTest, EndsCleanlyOnTerminateAndLeavesThePointerUsableWhenKilledMidHold) {
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    velmor_->signal(SIGTERM);
    EXPECT_EQ(velmor_->wait(kPatience), 0);
    EXPECT_TRUE(std::filesystem::exists(home_ / ".config/velmor/com.brisvane.velmor.plist"));
    EXPECT_FALSE(rightButtonHeld());

    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(userInClient({"mousedown", "3", "mousemove_relative", "--", "20", "0"}));
    velmor_->signal(SIGKILL);
    ASSERT_NE(velmor_->wait(kPatience), -1);
    ASSERT_TRUE(session_.xdotool({"mouseup", "3"}));
    EXPECT_TRUE(leftClickArrives());
    ASSERT_TRUE(userInClient({"click", "3"}));
    EXPECT_TRUE(client_->waitFor(kRightPress));
}

// Nothing is lost: a change is on disk by itself soon after, so a kill keeps it; a hang-up
// and the end of the session save it on their way out.
TEST_F(ProgramTest, ChangedSettingsReachTheDiskByThemselvesAndSurviveAKill) {
    trainingOfQStarted();
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(userInClient(zigzagActions()));
    EXPECT_TRUE(waitUntil([&] { return drawingsStillDue() == 2; })) << readFile(terminal());
    velmor_->signal(SIGKILL);
    ASSERT_NE(velmor_->wait(kPatience), -1);
    EXPECT_EQ(drawingsStillDue(), 2);

    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(userInClient(zigzagActions()));
    velmor_->signal(SIGHUP);
    EXPECT_EQ(velmor_->wait(kPatience), 0);
    EXPECT_EQ(drawingsStillDue(), 1);
}

TEST_F(ProgramTest, TheEndOfTheSessionSavesTheSettingsAndEndsTheProgramCleanly) {
    trainingOfQStarted();
    XSession ending;
    ASSERT_TRUE(ending.ready()) << ending.problem();
    const std::string command = "exec '" VELMOR_PROGRAM "' 2>'" + terminal().string() + "'";
    ChildProcess velmor = ending.start({"/bin/sh", "-c", command});
    {
        std::optional<Display> probe = ending.connect();
        ASSERT_TRUE(probe);
        ASSERT_TRUE(waitUntil([&] {
            PointerGrab grab(*probe);
            return !grab.grab();
        })) << readFile(terminal());
    }
    std::vector<std::string> actions{"mousemove", "500", "300"};
    const std::vector<std::string> zigzag = zigzagActions();
    actions.insert(actions.end(), zigzag.begin(), zigzag.end());
    ASSERT_TRUE(ending.xdotool(actions));
    // The drawing was taken once its notice shows; the session ends at once, before the
    // settings would have been written by themselves.
    ASSERT_TRUE(ending.activateWindow(literalPattern("Q 필체 기억했어!"))) << readFile(terminal());
    ending.stopServer();
    EXPECT_EQ(velmor.wait(kPatience), 0) << readFile(terminal());
    EXPECT_EQ(drawingsStillDue(), 2);
}

// A user who started Velmor from the applications menu never sees its standard error: the
// missing tray and a second start are told in a desktop notification, once each.
TEST_F(ProgramTest, AMissingTrayAndASecondStartAreToldInADesktopNotification) {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) {
        GTEST_SKIP() << "needs a session bus: run under dbus-run-session";
    }
    NotificationServer notifications;
    ASSERT_TRUE(turnUntil([&] { return notifications.owned(); }));
    ASSERT_TRUE(startVelmorAndWaitForTheTap()) << readFile(terminal());
    ASSERT_TRUE(turnUntil([&] { return notifications.shown().size() == 1; }));
    EXPECT_EQ(notifications.shown()[0].summary, x11::notice_text::kNoTraySummary);
    EXPECT_NE(notifications.shown()[0].body.find("pkill -x velmor"), std::string::npos);

    const std::string command = "exec '" + program_.string() + "' 2>/dev/null";
    ChildProcess second = session_.start({"/bin/sh", "-c", command});
    ASSERT_TRUE(turnUntil([&] { return notifications.shown().size() == 2; }));
    EXPECT_EQ(notifications.shown()[1].summary, x11::notice_text::kAlreadyRunningSummary);
    EXPECT_EQ(second.wait(kPatience), 0);
    EXPECT_EQ(notifications.shown().size(), 2u);  // once each: the first one says nothing more
}

TEST_F(ProgramTest, TheTrayMenuTurnsLaunchAtLoginOnAndOffAndShowsTheHelp) {
    runInstalledCopy();
    const TrayMenu menu = startWithTray();
    ASSERT_TRUE(menu.reader) << readFile(terminal());
    const auto launchAtLogin = [&] {
        const std::optional<MenuNode> layout = menu.reader->layout(menu.path);
        const MenuNode* item =
            layout ? findLabel(*layout, std::string(app_text::kLaunchAtLoginTitle)) : nullptr;
        return item != nullptr ? std::optional<MenuNode>(*item) : std::nullopt;
    };
    const std::filesystem::path entry = home_ / ".config/autostart/velmor.desktop";
    std::optional<MenuNode> item = launchAtLogin();
    ASSERT_TRUE(item);
    const bool wasOn = item->toggleState == 1;
    EXPECT_EQ(std::filesystem::exists(entry), wasOn) << "the check mark shows the entry";

    ASSERT_TRUE(menu.reader->clicked(menu.path, item->id));
    EXPECT_TRUE(waitUntil([&] { return std::filesystem::exists(entry) != wasOn; }));
    EXPECT_TRUE(waitUntil([&] {
        const std::optional<MenuNode> now = launchAtLogin();
        return now && (now->toggleState == 1) != wasOn;
    }));

    const std::optional<MenuNode> layout = menu.reader->layout(menu.path);
    const MenuNode* help = layout ? findLabel(*layout, std::string(app_text::kHelpTitle)) : nullptr;
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(menu.reader->clicked(menu.path, help->id));
    EXPECT_TRUE(session_.xdotool({"search", "--sync", "--name", std::string(app_text::kHelpMessage),
                                  "windowactivate", "--sync"}) &&
                session_.xdotool({"key", "Return"}))
        << "the help dialog opens";
}

TEST_F(ProgramTest, TheTrayMenuBindsALetterToAWebAddressTypedIntoItsDialog) {
    const std::filesystem::path settings = teachZ();
    ASSERT_FALSE(settings.empty());
    const TrayMenu menu = startWithTray();
    ASSERT_TRUE(menu.reader) << readFile(terminal());
    const auto chooseZ = [&] {
        const std::optional<MenuNode> layout = menu.reader->layout(menu.path);
        const MenuNode* z = layout ? findLabel(*layout, "Z  ✓") : nullptr;
        return z != nullptr && menu.reader->clicked(menu.path, z->id);
    };
    const std::string letterDialog = "Devovov Ivirav · Z";
    const std::string addressDialog = "Z · 웹사이트(URL) 지정";

    // Escape in the address field cancels: nothing is bound.
    ASSERT_TRUE(chooseZ());
    ASSERT_TRUE(answerDialog(letterDialog, {"Tab", "Tab", "space"}));
    ASSERT_TRUE(answerDialog(addressDialog, {"Escape"}));
    // Typed and confirmed with Return, the address is bound.
    ASSERT_TRUE(chooseZ());
    ASSERT_TRUE(answerDialog(letterDialog, {"Tab", "Tab", "space"}));
    ASSERT_TRUE(answerDialog(addressDialog, {"ctrl+a"}));
    ASSERT_TRUE(session_.xdotool({"type", "https://example.org/z"}));
    ASSERT_TRUE(session_.xdotool({"key", "Return"}));
    ASSERT_TRUE(answerDialog("Z URL 지정 완료", {"Return"}));

    velmor_->signal(SIGTERM);
    ASSERT_EQ(velmor_->wait(kPatience), 0);
    EXPECT_EQ(platform::FileUserDefaults(settings).string("VLStudioLetterApplication_Z"),
              "https://example.org/z");
}

}  // namespace
}  // namespace velmor::x11::testing
