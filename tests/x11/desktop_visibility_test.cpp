#include <gtest/gtest.h>

#include "platform/x11/desktop_visibility.h"

namespace velmor::x11 {
namespace {

using Names = std::vector<std::string>;

TEST(DesktopVisibility, TheFirstCurrentDesktopAListNamesDecides) {
    const Names xfce{"XFCE"};
    EXPECT_TRUE(shownOnDesktops({}, {}, xfce));
    EXPECT_FALSE(shownOnDesktops({"GNOME"}, {}, xfce));  // GNOME's own settings
    EXPECT_TRUE(shownOnDesktops({"GNOME", "XFCE"}, {}, xfce));
    EXPECT_FALSE(shownOnDesktops({}, {"XFCE"}, xfce));
    EXPECT_TRUE(shownOnDesktops({}, {"KDE"}, xfce));
    // "ubuntu:GNOME": Ubuntu's own choice first, then GNOME's.
    const Names ubuntu = desktopNames("ubuntu:GNOME");
    ASSERT_EQ(ubuntu, (Names{"ubuntu", "GNOME"}));
    EXPECT_TRUE(shownOnDesktops({"GNOME"}, {}, ubuntu));
    EXPECT_FALSE(shownOnDesktops({"GNOME"}, {"ubuntu"}, ubuntu));
    EXPECT_TRUE(shownOnDesktops({"ubuntu"}, {"GNOME"}, ubuntu));
    // No desktop named at all: only entries without an OnlyShowIn list.
    EXPECT_TRUE(shownOnDesktops({}, {"GNOME"}, desktopNames(nullptr)));
    EXPECT_FALSE(shownOnDesktops({"GNOME"}, {}, desktopNames("")));
    EXPECT_EQ(desktopNames("::KDE:"), (Names{"KDE"}));
}

}  // namespace
}  // namespace velmor::x11
