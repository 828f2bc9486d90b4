#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/exclusion_menu.h"
#include "app/status_menu.h"
#include "input/excluded_applications.h"
#include "platform/property_list_file.h"
#include "platform/sim/sim_workspace.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

constexpr std::string_view kParent = "제스처 끄는 앱";
constexpr const char* kChrome = "com.google.Chrome";

struct ExclusionMenu : AppFixtureWith<false> {
    void SetUp() override {
        sim.installApplication("/Applications/Google Chrome.app", kChrome, "Google Chrome");
        sim.setFrontmostApplication(kChrome, 200, std::nullopt);
        launch();
    }

    // Opens the status menu, as the user does before choosing, and gives the submenu's
    // items as "title", "title ✓" for a check mark, "(title)" when disabled.
    std::vector<std::string> submenuAsShown() {
        const std::vector<std::string> path{std::string(kParent)};
        EXPECT_EQ(sim.simUi().chooseMenuItem(path), sim::SimUi::MenuChoice::opensSubmenu);
        std::vector<std::string> shown;
        for (const auto& item :
             VLFindMenuItem(sim.simUi().menu(), kExclusionItemIdentifier)->submenu) {
            std::string text = item.checked ? item.title + " ✓" : item.title;
            shown.push_back(item.enabled ? text : "(" + text + ")");
        }
        return shown;
    }

    std::optional<Value> storedList() const {
        const auto settings = files::readPropertyListFile(sim.defaultsPath());
        if (!settings || !settings->asDictionary()) {
            return std::nullopt;
        }
        const auto found = settings->asDictionary()->find(kExcludedApplicationsKey);
        if (found == settings->asDictionary()->end()) {
            return std::nullopt;
        }
        return found->second;
    }
};

TEST_F(ExclusionMenu, SitsAfterTheAlphabetAndNamesTheApplicationInFrontWhenOpened) {
    const auto& menu = app->statusMenu();
    const auto alphabet =
        std::ranges::find(menu, std::string("alphabet"), &platform::MenuItem::identifier);
    ASSERT_NE(alphabet, menu.end());
    EXPECT_EQ((alphabet + 1)->title, kParent);

    EXPECT_EQ(submenuAsShown(), std::vector<std::string>{"현재 앱에서 끄기: Google Chrome"});
    // Opening the menu again with nothing changed tells the platform nothing.
    EXPECT_TRUE(sim.recordsOfKind("submenu").empty());
    sim.setFrontmostApplication("org.unnamed", 300, std::nullopt);
    EXPECT_EQ(submenuAsShown(), std::vector<std::string>{"현재 앱에서 끄기: org.unnamed"});
    sim.setFrontmostApplication(sim::SimWorkspace::kOwnBundleIdentifier, 1, std::nullopt);
    EXPECT_EQ(submenuAsShown(), std::vector<std::string>{"(현재 앱에서 끄기)"});
    sim.clearFrontmostApplication();
    EXPECT_EQ(submenuAsShown(), std::vector<std::string>{"(현재 앱에서 끄기)"});
}

TEST_F(ExclusionMenu, AddingConfirmsWritesAtOnceAndTurnsTheGesturesOffThere) {
    choose(kParent, "현재 앱에서 끄기: Google Chrome");
    EXPECT_EQ(storedList(), Value(Value::Array{Value(kChrome)}));
    EXPECT_NE(home.logText().find("gesture=exclusion added app=com.google.Chrome\n"),
              std::string::npos);
    EXPECT_EQ(alertMessages(), std::vector<std::string>{"Google Chrome에서 제스처를 껐어요"});
    EXPECT_EQ(texts("alert", "informative"),
              std::vector<std::string>{
                  "이 앱에서는 오른쪽 버튼이 원래대로 동작해요. 메뉴에서 다시 켤 수 있어요."});
    EXPECT_EQ(submenuAsShown(),
              (std::vector<std::string>{"(현재 앱에서 끄기: Google Chrome)", "Google Chrome ✓"}));
    EXPECT_EQ(sim.deliverEvent(makeEvent(platform::event_type::kRightMouseDown, {5, 5})),
              platform::TapResult::pass);
    EXPECT_EQ(sim.deliverEvent(makeEvent(platform::event_type::kRightMouseUp, {5, 5})),
              platform::TapResult::pass);
}

TEST_F(ExclusionMenu, ListsEveryExcludedApplicationInOrderAndRemovesTheChosenOne) {
    sim.defaults().set(kExcludedApplicationsKey,
                       Value(Value::Array{Value("org.unnamed"), Value(kChrome)}));
    sim.setFrontmostApplication("com.apple.finder", 100, std::nullopt);
    EXPECT_EQ(submenuAsShown(), (std::vector<std::string>{"현재 앱에서 끄기: com.apple.finder",
                                                          "org.unnamed ✓", "Google Chrome ✓"}));
    choose(kParent, "Google Chrome");
    EXPECT_EQ(storedList(), Value(Value::Array{Value("org.unnamed")}));
    EXPECT_TRUE(alertMessages().empty());
    EXPECT_EQ(submenuAsShown(),
              (std::vector<std::string>{"현재 앱에서 끄기: com.apple.finder", "org.unnamed ✓"}));

    EXPECT_NE(home.logText().find("gesture=exclusion removed app=com.google.Chrome\n"),
              std::string::npos);
}

}  // namespace
}  // namespace velmor::testing
