#include "studio/alphabet_menu.h"

#include <algorithm>

#include "letters/letter_store.h"
#include "studio/studio_texts.h"

namespace velmor {

std::string VLAlphabetItemTitle(const platform::UserDefaults& defaults, std::string_view letter) {
    std::string title(letter);
    if (VLLetterSamples(defaults, letter)) {
        title += studio_text::kTrainedMark;
    }
    return title;
}

platform::MenuItem VLMakeAlphabetMenuItem(const platform::UserDefaults& defaults) {
    platform::MenuItem parent;
    parent.title = studio_text::kAlphabetItemTitle;
    parent.identifier = kAlphabetItemIdentifier;
    parent.submenuTitle = studio_text::kAlphabetSubmenuTitle;
    for (const std::string& letter : alphabetLetters()) {
        platform::MenuItem item;
        item.title = VLAlphabetItemTitle(defaults, letter);
        item.action = kConfigureLetterAction;
        item.representedObject = letter;
        item.identifier = "letter-" + letter;
        parent.submenu.push_back(std::move(item));
    }
    return parent;
}

void VLRefreshAlphabetTitles(std::vector<platform::MenuItem>& menu,
                             const platform::UserDefaults& defaults,
                             const MenuItemChanged& changed) {
    const auto parent = std::ranges::find_if(menu, [](const platform::MenuItem& item) {
        return item.title.starts_with(studio_text::kAlphabetSubmenuTitle);
    });
    if (parent == menu.end()) {
        return;
    }
    for (platform::MenuItem& item : parent->submenu) {
        if (!item.representedObject || item.representedObject->empty()) {
            continue;
        }
        std::string title = VLAlphabetItemTitle(defaults, *item.representedObject);
        if (title != item.title) {
            item.title = std::move(title);
            changed(item);
        }
    }
}

}  // namespace velmor
