#include "platform/sim/sim_ui.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace velmor::sim {

using platform::MenuItem;

namespace {

constexpr char kInputStatusIdentifier[] = "input-status";
constexpr int kFirstButton = 1000;

bool isSameItem(const MenuItem& candidate, const MenuItem& changed) {
    if (!changed.identifier.empty()) {
        return candidate.identifier == changed.identifier;
    }
    return !changed.action.empty() && candidate.action == changed.action &&
           candidate.representedObject == changed.representedObject;
}

MenuItem* findItem(std::vector<MenuItem>& items, const MenuItem& changed) {
    for (auto& item : items) {
        if (isSameItem(item, changed)) {
            return &item;
        }
        if (MenuItem* inside = findItem(item.submenu, changed)) {
            return inside;
        }
    }
    return nullptr;
}

const MenuItem* findIdentifier(const std::vector<MenuItem>& items, std::string_view identifier) {
    for (const auto& item : items) {
        if (item.identifier == identifier) {
            return &item;
        }
        if (const MenuItem* inside = findIdentifier(item.submenu, identifier)) {
            return inside;
        }
    }
    return nullptr;
}

Value stringArray(const std::vector<std::string>& texts) {
    Value::Array items;
    for (const auto& text : texts) {
        items.emplace_back(text);
    }
    return Value(std::move(items));
}

}  // namespace

void SimUi::showStatusItem(const platform::StatusItem& item, const std::vector<MenuItem>& menu) {
    scheduler_.requireMainThread("showStatusItem");
    statusItem_ = item;
    menu_ = menu;
    Value::Dictionary fields{{"title", Value(item.title)}};
    if (item.imagePath) {
        fields.emplace("image", Value(*item.imagePath));
    }
    recorder_.record("status-item", std::move(fields));
}

void SimUi::menuItemChanged(const MenuItem& item) {
    scheduler_.requireMainThread("menuItemChanged");
    if (MenuItem* shown = findItem(menu_, item)) {
        shown->title = item.title;
        shown->checked = item.checked;
        shown->enabled = item.enabled;
    }
    if (item.identifier == kInputStatusIdentifier) {
        recorder_.record("status-title", {{"title", Value(item.title)}});
    } else {
        recorder_.record("menu-title",
                         {{"title", Value(item.title)}, {"checked", Value::boolean(item.checked)}});
    }
}

void SimUi::submenuChanged(const MenuItem& parent) {
    if (MenuItem* shown = findItem(menu_, parent)) {
        shown->submenu = parent.submenu;
    }
    Value::Array titles;
    for (const MenuItem& item : parent.submenu) {
        titles.emplace_back(item.checked ? item.title + " (checked)" : item.title);
    }
    recorder_.record("submenu",
                     {{"title", Value(parent.title)}, {"items", Value(std::move(titles))}});
}

SimUi::MenuChoice SimUi::chooseMenuItem(std::span<const std::string> titlePath) {
    // Choosing means opening the menu first, as a click on the status item does.
    if (statusItem_ && statusItem_->menuWillOpen) {
        SimScheduler::CallbackScope mainThread(scheduler_);
        statusItem_->menuWillOpen();
    }
    const std::vector<MenuItem>* items = &menu_;
    const MenuItem* found = nullptr;
    for (const std::string& title : titlePath) {
        if (!items) {
            return MenuChoice::notFound;
        }
        const auto item = std::ranges::find_if(
            *items, [&](const MenuItem& each) { return !each.separator && each.title == title; });
        if (item == items->end()) {
            return MenuChoice::notFound;
        }
        found = &*item;
        items = item->submenu.empty() ? nullptr : &item->submenu;
    }
    if (!found) {
        return MenuChoice::notFound;
    }
    if (!found->submenu.empty()) {
        return MenuChoice::opensSubmenu;
    }
    if (!found->enabled || !found->handler) {
        return MenuChoice::disabled;
    }
    // A copy: the handler may change the menu the item lives in.
    const MenuItem chosen = *found;
    SimScheduler::CallbackScope mainThread(scheduler_);
    chosen.handler(chosen);
    return MenuChoice::chosen;
}

platform::AlertResponse SimUi::runModalAlert(const platform::Alert& alert) {
    scheduler_.requireMainThread("runModalAlert");
    AlertAnswer answer;
    if (!alertAnswers_.empty()) {
        answer = alertAnswers_.front();
        alertAnswers_.pop_front();
    }
    // An alert without buttons shows one default button.
    const int buttonCount = std::max<int>(1, static_cast<int>(alert.buttons.size()));
    platform::AlertResponse response;
    response.button = std::clamp(answer.button, kFirstButton, kFirstButton + buttonCount - 1);

    Value::Dictionary fields{{"message", Value(alert.message)},
                             {"informative", Value(alert.informative)},
                             {"buttons", stringArray(alert.buttons)},
                             {"response", Value::integer(response.button)}};
    if (alert.cancelButton) {
        fields.emplace("cancel", Value::integer(kFirstButton +
                                                static_cast<std::int64_t>(*alert.cancelButton)));
    }
    if (alert.field) {
        response.fieldText = alert.field->text;
        if (!fieldTexts_.empty()) {
            response.fieldText = std::move(fieldTexts_.front());
            fieldTexts_.pop_front();
        }
        fields.emplace("field", Value(response.fieldText));
    }
    recorder_.record("alert", std::move(fields));
    keepOpen(answer.secondsOpen);
    return response;
}

std::optional<std::string> SimUi::runOpenPanel(const platform::OpenPanel& panel) {
    scheduler_.requireMainThread("runOpenPanel");
    PanelResult result;
    if (!panelResults_.empty()) {
        result = std::move(panelResults_.front());
        panelResults_.pop_front();
    }
    // A cancelled panel records the result false.
    recorder_.record("panel",
                     {{"title", Value(panel.title)},
                      {"canChooseFiles", Value::boolean(panel.canChooseFiles)},
                      {"canChooseDirectories", Value::boolean(panel.canChooseDirectories)},
                      {"result", result.path ? Value(*result.path) : Value::boolean(false)}});
    keepOpen(result.secondsOpen);
    return result.path;
}

void SimUi::keepOpen(double seconds) {
    SimScheduler::ModalScope modal(scheduler_);
    if (seconds > 0.0) {
        scheduler_.advance(seconds);
    }
}

void SimUi::terminateApplication() {
    scheduler_.requireMainThread("terminateApplication");
    terminated_ = true;
    recorder_.record("quit");
}

std::optional<std::string> SimUi::resourcePath(const std::string& name, const std::string& type) {
    scheduler_.requireMainThread("resourcePath");
    if (!resourceDirectory_) {
        return std::nullopt;
    }
    const auto path = *resourceDirectory_ / (name + "." + type);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    return path.string();
}

void SimUi::queueAlertAnswer(int button, double secondsOpen) {
    alertAnswers_.push_back(AlertAnswer{button, secondsOpen});
}

void SimUi::queuePanelResult(std::optional<std::string> path, double secondsOpen) {
    panelResults_.push_back(PanelResult{std::move(path), secondsOpen});
}

std::optional<std::string> SimUi::inputStatusTitle() const {
    const MenuItem* item = findIdentifier(menu_, kInputStatusIdentifier);
    if (!item) {
        return std::nullopt;
    }
    return item->title;
}

}  // namespace velmor::sim
