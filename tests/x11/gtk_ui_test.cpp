#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <sstream>
#include <thread>
#include <tuple>

#include "platform/x11/app_launcher.h"
#include "platform/x11/dialog_presenting.h"
#include "platform/x11/gtk_start.h"
#include "platform/x11/gtk_ui.h"
#include "platform/x11/own_environment.h"
#include "x11/dbus_menu_reader.h"
#include "x11/status_notifier_watcher.h"
#include "x11/temp_folder.h"
#include "x11/test_applications.h"
#include "x11/wait_until.h"
#include "x11/x_session.h"

namespace velmor::x11::testing {
namespace {

using platform::Alert;
using platform::AlertTextField;
using platform::MenuItem;

// GTK opens one display per process, so the tests share one session.
XSession& sharedSession() {
    // What the tests change in the toolkit's settings stays in this process.
    static const bool settingsInMemory = g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
    static XSession session;
    (void)settingsInMemory;
    return session;
}

std::string outputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    pclose(pipe);
    return output;
}

// Runs `work` on a thread of its own while this one serves the main context; its result.
template <typename Work>
auto whileServing(Work work) {
    auto future = std::async(std::launch::async, work);
    turnUntil(
        [&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    return future.get();
}

class GtkUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sharedSession().ready()) {
            GTEST_SKIP() << sharedSession().problem();
        }
        ASSERT_TRUE(startGtk(sharedSession().name())) << "GTK cannot open the test display";
        ui_.emplace(
            scheduler_, notes_, [this](const std::string& line) { logged_.push_back(line); },
            nullptr);
        // A dialog nobody answers is closed, so a fault fails the test instead of hanging it.
        guard_ = scheduler_.scheduleRepeatingTimer(90.0, endOpenDialogs,
                                                   platform::TimerMode::firesAlways);
    }

    // Plays the user on the dialog whose title matches: brings it forward, then the keys. The
    // keys go in a call of their own: chained after the search, xdotool would send them to
    // the window as synthetic events, which GTK ignores.
    bool onDialog(const std::string& title, const std::vector<std::string>& keys) const {
        std::vector<std::string> press{"xdotool", "key"};
        press.insert(press.end(), keys.begin(), keys.end());
        return sharedSession().activateWindow(title) &&
               runToEnd(press, sharedSession().name()) == 0;
    }
    bool typeText(const std::string& text) const {
        return runToEnd({"xdotool", "type", "--delay", "50", text}, sharedSession().name()) == 0;
    }

    GlibScheduler scheduler_;
    std::unique_ptr<platform::Timer> guard_;
    std::ostringstream notes_;
    std::vector<std::string> logged_;
    std::optional<GtkUi> ui_;  // made once GTK has a display
};

Alert fieldAlert() {
    return Alert{.message = "velmor-field 글자 이름",
                 .informative = "이 글자의 이름을 입력하세요.",
                 .buttons = {"저장", "취소"},
                 .field = AlertTextField{.placeholder = "이름", .text = "한글"},
                 .cancelButton = 1};
}

TEST_F(GtkUiTest, FieldAlertAnswersTheEditedTextOnReturnWhilePausingTimersWait) {
    std::atomic<int> always{0};
    std::atomic<int> pausing{0};
    const auto alwaysTimer = scheduler_.scheduleRepeatingTimer(
        0.05, [&] { ++always; }, platform::TimerMode::firesAlways);
    const auto pausingTimer = scheduler_.scheduleRepeatingTimer(
        0.05, [&] { ++pausing; }, platform::TimerMode::pausesDuringModal);
    int pausedWhileOpen = -1;
    bool typed = false;
    std::thread user([&] {
        const bool served = waitUntil([&] { return always.load() >= 3; });
        pausedWhileOpen = served ? pausing.load() : -1;
        typed = onDialog("velmor-field", {"End"}) && typeText("x2") &&
                onDialog("velmor-field", {"Return"});
    });
    const platform::AlertResponse response = ui_->runModalAlert(fieldAlert());
    user.join();

    ASSERT_TRUE(typed);
    EXPECT_EQ(response.button, 1000);
    EXPECT_EQ(response.fieldText, "한글x2");
    EXPECT_EQ(pausedWhileOpen, 0) << "the nested loop serves timers, but not the pausing ones";
    EXPECT_TRUE(turnUntil([&] { return pausing.load() > 0; })) << "they fire once it closes";
}

// Escape gives the button that changes nothing, wherever it stands; where every button does
// something, Escape is ignored and the alert waits for a button.
TEST_F(GtkUiTest, EscapeAnswersTheButtonThatChangesNothingOrNothing) {
    bool pressed = false;
    std::thread user([&] { pressed = onDialog("velmor-escape", {"Escape"}); });
    const platform::AlertResponse response =
        ui_->runModalAlert(Alert{.message = "velmor-escape",
                                 .informative = {},
                                 .buttons = {"닫기", "자동 실행 전환"},
                                 .field = {},
                                 .cancelButton = 0});
    user.join();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(response.button, 1000);

    std::thread persistent([&] {
        pressed = onDialog("velmor-no-cancel", {"Escape"}) &&
                  onDialog("velmor-no-cancel", {"Tab", "space"});
    });
    const platform::AlertResponse chosen = ui_->runModalAlert(Alert{.message = "velmor-no-cancel",
                                                                    .informative = {},
                                                                    .buttons = {"하나", "둘"},
                                                                    .field = {},
                                                                    .cancelButton = {}});
    persistent.join();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(chosen.button, 1001);
}

// A program the user starts through Velmor is the user's: it inherits none of the variables
// Velmor set for itself, and it gets a startup id, so that a window manager that prevents
// focus stealing still gives its window the focus.
TEST_F(GtkUiTest, LaunchedApplicationsGetAStartupIdAndNoneOfTheProgramsOwnVariables) {
    TempFolder root;
    std::filesystem::path entry;
    {
        // Only while the entry is written: GTK would take the test's folders for its icons.
        const TestApplications apps(root.path());
        entry = apps.write(apps.userFolder() / "noted.desktop", "Noted", "StartupNotify=true\n");
    }
    ASSERT_TRUE(AppLauncher(sharedSession().name()).launch(entry));
    const TestApplications apps(root.path());
    ASSERT_TRUE(apps.waitLaunched("noted"));
    const std::string environment = "\n" + apps.environmentOf("noted");
    ASSERT_FALSE(ownVariables().empty());  // GTK started without OpenGL
    for (const std::string& own : ownVariables()) {
        EXPECT_EQ(environment.find("\n" + own + "="), std::string::npos) << own;
    }
    EXPECT_NE(environment.find("\nDESKTOP_STARTUP_ID="), std::string::npos) << environment;
}

// Kept in the build folder to look at: Korean glyphs, not empty boxes, need a Korean font.
TEST_F(GtkUiTest, KoreanAlertIsDrawnAndReturnAnswersTheFirstButton) {
    const std::filesystem::path picture =
        std::filesystem::path(VELMOR_ARTIFACT_DIR) / "gtk-alert-korean.png";
    std::filesystem::remove(picture);
    std::string colours;
    bool pressed = false;
    std::thread user([&] {
        const std::string display = "DISPLAY=" + sharedSession().name() + " ";
        waitUntil([&] {
            // Asked again each time: xdotool dies when another window vanishes as it searches.
            const std::string window =
                outputOf(display + "xdotool search --name velmor-korean 2>/dev/null | head -1");
            if (window.empty()) {
                return false;
            }
            runToEnd({"import", "-window", window.substr(0, window.find('\n')), picture.string()},
                     sharedSession().name());
            colours = outputOf("identify -format %k '" + picture.string() + "' 2>/dev/null");
            return !colours.empty() && std::stoi(colours) > 16;
        });
        pressed = onDialog("velmor-korean", {"Return"});
    });
    const platform::AlertResponse response =
        ui_->runModalAlert(Alert{.message = "velmor-korean 손쉬운 사용 권한이 필요합니다",
                                 .informative = "설정에서 이 프로그램의 입력 권한을 허용하세요.",
                                 .buttons = {"설정 열기", "나중에"},
                                 .field = {},
                                 .cancelButton = 1});
    user.join();
    ASSERT_TRUE(std::filesystem::exists(picture));
    EXPECT_GT(colours.empty() ? 0 : std::stoi(colours), 16) << "a dialog with text has many";
    ASSERT_TRUE(pressed);
    EXPECT_EQ(response.button, 1000);
}

// What the open file chooser shows the user, read on the main thread: whether it has the
// keyboard, and whether its location field (not its search field) has the focus.
struct ChooserState {
    std::atomic<bool> active{false};
    std::atomic<bool> locationFocused{false};

    void look() {
        GList* windows = gtk_window_list_toplevels();
        for (GList* window = windows; window != nullptr; window = window->next) {
            if (GTK_IS_FILE_CHOOSER_DIALOG(window->data)) {
                GtkWindow* chooser = GTK_WINDOW(window->data);
                GtkWidget* focus = gtk_window_get_focus(chooser);
                active = gtk_window_is_active(chooser) != FALSE;
                locationFocused = GTK_IS_ENTRY(focus) && !GTK_IS_SEARCH_ENTRY(focus);
            }
        }
        g_list_free(windows);
    }
};

TEST_F(GtkUiTest, FolderPanelAnswersTheFolderTypedIntoItsLocation) {
    const TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    std::filesystem::create_directories(folder / "골라진");
    // Typed as an address: xdotool types a letter outside the keymap by remapping a key for a
    // moment, and a slow client reads the key after the mapping is back.
    const std::unique_ptr<char, decltype(&g_free)> address(
        g_filename_to_uri((folder / "골라진").c_str(), nullptr, nullptr), &g_free);
    ChooserState chooser;
    const auto looking = scheduler_.scheduleRepeatingTimer(
        0.02, [&] { chooser.look(); }, platform::TimerMode::firesAlways);
    bool typed = false;
    std::thread user([&] {
        // Like a person, waits for the chooser to take the keyboard before using it.
        typed = sharedSession().activateWindow("velmor-folder") &&
                waitUntil([&] { return chooser.active.load(); }) &&
                onDialog("velmor-folder", {"ctrl+l"}) &&
                waitUntil([&] { return chooser.locationFocused.load(); }) &&
                typeText(std::string(address.get()) + "/") && onDialog("velmor-folder", {"Return"});
    });
    platform::OpenPanel panel;
    panel.title = "velmor-folder";
    panel.canChooseFiles = false;
    panel.canChooseDirectories = true;
    panel.directory = folder.string();
    const std::optional<std::string> chosen = ui_->runOpenPanel(panel);
    user.join();
    ASSERT_TRUE(typed);
    EXPECT_EQ(chosen, (folder / "골라진").string());
}

class StatusIndicatorTest : public GtkUiTest {};

MenuItem menuItem(std::string title, std::string identifier = {},
                  platform::MenuHandler handler = {}) {
    MenuItem item;
    item.title = std::move(title);
    item.identifier = std::move(identifier);
    item.handler = std::move(handler);
    return item;
}

// The tray's menu as the program describes it; choosing records the item as shown.
std::vector<MenuItem> trayMenu(std::vector<std::string>& chosen, platform::Ui& ui) {
    const auto record = [&chosen](const MenuItem& item) {
        chosen.push_back(item.title + (item.checked ? " ✓" : ""));
    };
    MenuItem status = menuItem("입력: 켜짐", "input-status");
    status.enabled = false;
    MenuItem separator;
    separator.separator = true;
    MenuItem wheel = menuItem("휠 방향 반대로", "wheel", [&ui, record](const MenuItem& item) {
        record(item);
        MenuItem changed = item;
        changed.checked = !item.checked;
        ui.menuItemChanged(changed);
    });
    MenuItem login = menuItem("로그인 시 시작", "login", record);
    login.checked = true;
    MenuItem exclude = menuItem("제외할 앱", "exclude");
    exclude.submenuTitle = exclude.title;
    exclude.submenu = {menuItem("앱 A", {}, record)};
    return {status, separator, wheel, login, exclude};
}

std::vector<std::string> labels(const MenuNode& menu) {
    std::vector<std::string> shown;
    for (const MenuNode& child : menu.children) {
        shown.push_back(child.type == "separator" ? "---" : child.label);
    }
    return shown;
}

TEST_F(StatusIndicatorTest, HostReadsTheMenuAndItsClicksReachTheHandlersAsShown) {
    StatusNotifierWatcher watcher;
    ASSERT_TRUE(turnUntil([&] { return watcher.owned(); }));
    std::vector<std::string> chosen;
    int opened = 0;
    platform::StatusItem item;
    item.title = "VL";
    item.menuWillOpen = [&] { ++opened; };
    ui_->showStatusItem(item, trayMenu(chosen, *ui_));
    ASSERT_TRUE(turnUntil([&] { return !watcher.registrations().empty(); }));
    const DbusMenuReader host(watcher.registrations()[0].busName,
                              watcher.registrations()[0].objectPath);
    const std::optional<std::string> path = whileServing([&] { return host.menuPath(); });
    ASSERT_TRUE(path);
    const auto read = [&] { return whileServing([&] { return host.layout(*path); }).value(); };

    MenuNode menu = read();
    EXPECT_EQ(labels(menu), (std::vector<std::string>{"입력: 켜짐", "---", "휠 방향 반대로",
                                                      "로그인 시 시작", "제외할 앱"}));
    EXPECT_FALSE(menu.children.at(0).enabled);
    EXPECT_EQ(menu.children.at(2).toggleType, "");
    EXPECT_EQ(menu.children.at(3).toggleType, "checkmark");
    EXPECT_EQ(menu.children.at(3).toggleState, 1);
    EXPECT_EQ(labels(menu.children.at(4)), std::vector<std::string>{"앱 A"});

    EXPECT_TRUE(whileServing([&] { return host.aboutToShow(*path, 0); }));
    EXPECT_TRUE(turnUntil([&] { return opened == 1; })) << "menuWillOpen before it shows";
    EXPECT_TRUE(whileServing([&] { return host.event(*path, 0, "opened"); }));
    EXPECT_TRUE(whileServing([&] { return host.event(*path, 0, "opened"); }));
    EXPECT_TRUE(turnUntil([&] { return opened >= 2; })) << "a host that only tells \"opened\"";
    EXPECT_EQ(opened, 2) << "the \"opened\" after an AboutToShow is the same opening";

    const int wheel = menu.children.at(2).id;
    EXPECT_TRUE(whileServing([&] { return host.clicked(*path, wheel); }));
    ASSERT_TRUE(turnUntil([&] { return chosen.size() == 1; }));
    EXPECT_EQ(chosen[0], "휠 방향 반대로");
    menu = read();
    ASSERT_NE(findLabel(menu, "휠 방향 반대로"), nullptr);
    EXPECT_EQ(findLabel(menu, "휠 방향 반대로")->toggleState, 1) << "the program checked it";

    const int login = menu.children.at(3).id;
    EXPECT_TRUE(whileServing([&] { return host.clicked(*path, login); }));
    ASSERT_TRUE(turnUntil([&] { return chosen.size() == 2; }));
    EXPECT_EQ(chosen[1], "로그인 시 시작 ✓");
    EXPECT_EQ(findLabel(read(), "로그인 시 시작")->toggleState, 1)
        << "choosing alone does not move the mark, and setting a mark chooses nothing";
    EXPECT_EQ(chosen.size(), 2u);

    MenuItem exclude = menuItem("제외할 앱", "exclude");
    exclude.submenu = {menuItem("앱 B"), menuItem("앱 C")};
    ui_->submenuChanged(exclude);
    EXPECT_EQ(labels(read().children.at(4)), (std::vector<std::string>{"앱 B", "앱 C"}));
}

TEST_F(StatusIndicatorTest, ShowsTheImageWhereItLoadsElseASymbolicIconLabelledWithTheTitle) {
    const TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    const std::filesystem::path image = folder / "MenuTemplate.png";
    ASSERT_EQ(runToEnd({"convert", "-size", "25x16", "xc:black", image.string()}, ""), 0);
    StatusNotifierWatcher watcher;
    ASSERT_TRUE(turnUntil([&] { return watcher.owned(); }));
    platform::StatusItem item;
    item.title = "VL";
    const auto shown = [&](std::optional<std::string> imagePath, const char* property) {
        item.imagePath = std::move(imagePath);
        const std::size_t before = watcher.registrations().size();
        ui_->showStatusItem(item, {menuItem("종료")});
        turnUntil([&] { return watcher.registrations().size() > before; });
        const auto& registered = watcher.registrations().back();
        const DbusMenuReader host(registered.busName, registered.objectPath);
        return whileServing([&] { return host.itemProperty(property); }).value_or("(none)");
    };

    EXPECT_EQ(shown(image.string(), "IconName"), "MenuTemplate");
    EXPECT_EQ(shown(image.string(), "IconThemePath"), folder.string());
    EXPECT_EQ(shown(image.string(), "XAyatanaLabel"), "");
    EXPECT_EQ(shown((folder / "missing.png").string(), "IconName"), "input-mouse-symbolic");
    EXPECT_EQ(shown(std::nullopt, "XAyatanaLabel"), "VL");
    // Beside it, the symbolic icon, which the panel draws in its own colours, wins.
    std::filesystem::copy_file(VELMOR_SYMBOLIC_ICON, folder / "velmor-symbolic.svg");
    EXPECT_EQ(shown(image.string(), "IconName"), "velmor-symbolic");
    EXPECT_EQ(shown(image.string(), "IconThemePath"), folder.string());
}

// How much of the picture stands apart from the panel's colour.
int visiblePixels(GdkPixbuf* picture, int background) {
    const int channels = gdk_pixbuf_get_n_channels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    const guchar* pixels = gdk_pixbuf_read_pixels(picture);
    int visible = 0;
    for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
        for (int x = 0; x < gdk_pixbuf_get_width(picture); ++x) {
            const guchar* pixel = pixels + y * stride + x * channels;
            const int level = (pixel[0] + pixel[1] + pixel[2]) / 3;
            visible += std::abs(level - background) > 96 ? 1 : 0;
        }
    }
    return visible;
}

// The symbolic icon as a dark and a light panel draw it, each in its own text colour; kept as
// pictures in the build folder. The Mac's black template would vanish on the dark one.
TEST_F(StatusIndicatorTest, TheSymbolicIconShowsOnADarkAndOnALightPanel) {
    const TempFolder temp;
    std::filesystem::copy_file(VELMOR_SYMBOLIC_ICON, temp.path() / "velmor-symbolic.svg");
    GtkIconTheme* theme = gtk_icon_theme_new();
    gtk_icon_theme_prepend_search_path(theme, temp.path().c_str());
    constexpr int kPanelIconSize = 22;
    for (const auto& [name, background, foreground] :
         {std::tuple{"dark", 0x20, "#eeeeec"}, std::tuple{"light", 0xf0, "#2e3436"}}) {
        g_autoptr(GtkIconInfo) info = gtk_icon_theme_lookup_icon(
            theme, "velmor-symbolic", kPanelIconSize, GTK_ICON_LOOKUP_FORCE_SIZE);
        ASSERT_NE(info, nullptr);
        GdkRGBA text{};
        ASSERT_TRUE(gdk_rgba_parse(&text, foreground));
        g_autoptr(GdkPixbuf) icon =
            gtk_icon_info_load_symbolic(info, &text, nullptr, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(icon, nullptr);
        g_autoptr(GdkPixbuf) panel =
            gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, kPanelIconSize, kPanelIconSize);
        const guint32 fill = (static_cast<guint32>(background) << 24) |
                             (static_cast<guint32>(background) << 16) |
                             (static_cast<guint32>(background) << 8) | 0xff;
        gdk_pixbuf_fill(panel, fill);
        gdk_pixbuf_composite(icon, panel, 0, 0, kPanelIconSize, kPanelIconSize, 0, 0, 1, 1,
                             GDK_INTERP_BILINEAR, 255);
        const std::string picture =
            std::string(VELMOR_ARTIFACT_DIR) + "/tray-icon-" + name + "-panel.png";
        gdk_pixbuf_save(panel, picture.c_str(), "png", nullptr, nullptr);
        EXPECT_GE(visiblePixels(panel, background), 40) << name << " panel: " << picture;
    }
    g_object_unref(theme);
}

TEST_F(StatusIndicatorTest, SaysOnceThatNoTrayListens) {
    platform::StatusItem item;
    item.title = "VL";
    ui_->showStatusItem(item, {menuItem("종료")});
    ui_->showStatusItem(item, {menuItem("종료")});
    const std::string notes = notes_.str();
    EXPECT_NE(notes.find("no tray"), std::string::npos) << notes;
    EXPECT_EQ(notes.find("no tray"), notes.rfind("no tray")) << "once";
    EXPECT_EQ(logged_, std::vector<std::string>{"x11=no_tray reason=no_watcher"});
}

}  // namespace
}  // namespace velmor::x11::testing
