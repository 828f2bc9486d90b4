#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/macos_tables/menu_model.h"

namespace velmor::macos {
namespace {

using platform::MenuItem;

MenuItem item(std::string title, std::string identifier, std::vector<std::string>* chosen) {
    MenuItem made;
    made.title = title;
    made.identifier = std::move(identifier);
    if (chosen != nullptr) {
        made.handler = [chosen](const MenuItem& shown) { chosen->push_back(shown.title); };
    }
    return made;
}

class MenuModelTest : public ::testing::Test {
protected:
    MenuModelTest() {
        MenuItem version = item("Velmor 2.1.3", "version", nullptr);
        version.enabled = false;
        MenuItem separator;
        separator.separator = true;
        MenuItem letters = item("문자 인식하기 · A~Z", "alphabet", nullptr);
        letters.submenuTitle = "문자 인식하기";
        letters.submenu = {item("A", "letter-A", &chosen), item("B", "letter-B", &chosen)};
        MenuItem quit = item("Velmor 종료", "quit", &chosen);
        quit.keyEquivalent = "q";
        model.show({version, separator, letters, quit});
    }

    MenuModel model;
    std::vector<std::string> chosen;
};

TEST_F(MenuModelTest, ChoosingRunsTheHandlerOfAnEnabledLeafOnly) {
    EXPECT_TRUE(model.choose({3}));
    EXPECT_TRUE(model.choose({2, 1}));
    EXPECT_EQ(chosen, (std::vector<std::string>{"Velmor 종료", "B"}));
    EXPECT_FALSE(model.choose({0}));     // disabled
    EXPECT_FALSE(model.choose({1}));     // a separator
    EXPECT_FALSE(model.choose({2}));     // opens its submenu
    EXPECT_FALSE(model.choose({2, 2}));  // no such item
    EXPECT_FALSE(model.choose({}));
    EXPECT_EQ(chosen.size(), 2u);

    EXPECT_EQ(model.pathOfTitles({"문자 인식하기 · A~Z", "B"}), (MenuPath{2, 1}));
    EXPECT_FALSE(model.pathOfTitles({"문자 인식하기 · A~Z", "Q"}));
    EXPECT_FALSE(model.pathOfTitles({"A"}));  // only inside its submenu
}

TEST_F(MenuModelTest, ChangesFindTheirItemAndKeepWhatTheyDoNotBring) {
    MenuItem retitled = item("B  ✓", "letter-B", nullptr);
    retitled.checked = true;
    EXPECT_EQ(model.change(retitled), (MenuPath{2, 1}));
    EXPECT_EQ(model.itemAt({2, 1})->title, "B  ✓");
    EXPECT_TRUE(model.choose({2, 1}));  // the handler stayed
    EXPECT_EQ(chosen, (std::vector<std::string>{"B  ✓"}));

    // A parent retitled keeps its submenu; a new submenu replaces it.
    EXPECT_EQ(model.change(item("문자 인식하기 · A~Z", "alphabet", nullptr)), (MenuPath{2}));
    EXPECT_EQ(model.itemAt({2})->submenu.size(), 2u);
    MenuItem parent = item("", "alphabet", nullptr);
    parent.submenu = {item("Z", "letter-Z", &chosen)};
    EXPECT_EQ(model.replaceSubmenu(parent), (MenuPath{2}));
    EXPECT_EQ(model.itemAt({2, 0})->title, "Z");
    EXPECT_EQ(model.itemAt({2, 1}), nullptr);

    EXPECT_FALSE(model.change(item("x", "nowhere", nullptr)));
    EXPECT_FALSE(model.change(item("x", "", nullptr)));  // an item without identifier
    EXPECT_FALSE(model.replaceSubmenu(item("x", "nowhere", nullptr)));
}

TEST(MenuItemLook, WhatANativeItemShows) {
    MenuItem quit;
    quit.title = "Velmor 종료";
    quit.keyEquivalent = "q";
    quit.checked = true;
    const MenuItemLook look = lookOf(quit);
    EXPECT_EQ(look.title, "Velmor 종료");
    EXPECT_EQ(look.keyEquivalent, "q");
    EXPECT_TRUE(look.checkMark);
    EXPECT_FALSE(look.hasSubmenu);

    MenuItem parent;
    parent.title = "Velmor Sync · 설정 공유";
    parent.submenuTitle = "Velmor Sync";
    parent.checked = true;
    parent.enabled = false;
    const MenuItemLook parentLook = lookOf(parent);
    EXPECT_TRUE(parentLook.hasSubmenu);  // an empty submenu that is filled later
    EXPECT_FALSE(parentLook.checkMark);
    EXPECT_FALSE(parentLook.enabled);
    EXPECT_EQ(parentLook.submenuTitle, "Velmor Sync");

    MenuItem separator;
    separator.separator = true;
    separator.title = "ignored";
    EXPECT_TRUE(lookOf(separator).separator);
    EXPECT_TRUE(lookOf(separator).title.empty());
}

}  // namespace
}  // namespace velmor::macos
