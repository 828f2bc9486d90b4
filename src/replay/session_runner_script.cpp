#include <filesystem>
#include <fstream>

#include "log/gesture_log.h"
#include "replay/session_runner.h"

namespace velmor {

namespace {

const std::string& word(const SessionCommand& command, std::size_t index) {
    return command.arguments[index].text;
}

bool hasKeyword(const SessionCommand& command, std::size_t index, std::string_view keyword) {
    return command.arguments.size() > index && !command.arguments[index].quoted &&
           command.arguments[index].text == keyword;
}

std::int32_t pidAt(const SessionCommand& command, std::size_t index) {
    return static_cast<std::int32_t>(sessionInteger(word(command, index)).value_or(0));
}

// A path that starts with "~/" lies under the simulated machine's home folder: sessions reach
// folders beside it (the cloud folder two machines share) without naming a fixed place.
std::string sessionPath(const std::filesystem::path& home, const std::string& text) {
    if (!text.starts_with("~/")) {
        return text;
    }
    return (home / text.substr(2)).lexically_normal().string();
}

// A settings value as the session writes it; the parser has checked its shape.
Value settingValue(const SessionWord& value) {
    if (value.quoted) {
        return Value(value.text);
    }
    if (value.text == "true" || value.text == "false") {
        return Value::boolean(value.text == "true");
    }
    if (const auto integer = sessionInteger(value.text)) {
        return Value::integer(*integer);
    }
    return Value::real(sessionNumber(value.text).value_or(0.0));
}

Value menuValue(const std::vector<platform::MenuItem>& items) {
    Value::Array array;
    for (const platform::MenuItem& item : items) {
        if (item.separator) {
            array.emplace_back(Value::Dictionary{{"separator", Value::boolean(true)}});
            continue;
        }
        Value::Dictionary entry{{"title", Value(item.title)},
                                {"checked", Value::boolean(item.checked)},
                                {"enabled", Value::boolean(item.enabled)},
                                {"key", Value(item.keyEquivalent)}};
        if (!item.submenu.empty()) {
            entry.emplace("submenu", menuValue(item.submenu));
        }
        array.emplace_back(std::move(entry));
    }
    return Value(std::move(array));
}

// A letter item may be named with or without its check mark.
bool titleMatches(const platform::MenuItem& item, std::string_view title) {
    constexpr std::string_view kTrainedMark = "  ✓";
    std::string_view shown = item.title;
    if (shown == title) {
        return true;
    }
    return shown.ends_with(kTrainedMark) &&
           shown.substr(0, shown.size() - kTrainedMark.size()) == title;
}

const platform::MenuItem* findByTitle(const std::vector<platform::MenuItem>& items,
                                      std::string_view title) {
    for (const platform::MenuItem& item : items) {
        if (!item.separator && titleMatches(item, title)) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

void SessionRunner::runScript(const SessionCommand& command) {
    const std::string& name = command.name;
    if (name == "permission") {
        sim_.setTrusted(hasKeyword(command, 0, "on"));
    } else if (name == "frontmost" && hasKeyword(command, 0, "none")) {
        sim_.clearFrontmostApplication();
    } else if (name == "frontmost") {
        std::optional<std::string> title;
        if (command.arguments.size() == 3) {
            title = word(command, 2);
        }
        sim_.setFrontmostApplication(word(command, 0), pidAt(command, 1), std::move(title));
    } else if (name == "running") {
        sim_.addRunningApplication(word(command, 0), pidAt(command, 1),
                                   hasKeyword(command, 2, "hidden"));
    } else if (name == "app") {
        std::optional<std::string> displayName;
        if (command.arguments.size() == 3) {
            displayName = word(command, 2);
        }
        sim_.installApplication(word(command, 0), word(command, 1), std::move(displayName));
    } else if (name == "alert-answer") {
        sim_.queueAlertAnswer(static_cast<int>(sessionInteger(word(command, 0)).value_or(1000)));
    } else if (name == "field") {
        sim_.queueFieldText(word(command, 0));
    } else if (name == "panel") {
        sim_.queuePanelResult(
            hasKeyword(command, 0, "cancel")
                ? std::nullopt
                : std::optional(sessionPath(sim_.homeDirectory(), word(command, 0))));
    }
}

void SessionRunner::runDefaults(const SessionCommand& command) {
    if (hasKeyword(command, 0, "set")) {
        sim_.defaults().set(word(command, 1), settingValue(command.arguments[2]));
    } else {
        sim_.defaults().remove(word(command, 1));
    }
}

void SessionRunner::runShow(const SessionCommand& command) {
    emitLogLines();
    if (hasKeyword(command, 0, "menu")) {
        emit("menu", {{"items", menuValue(sim_.simUi().menu())}});
    } else if (hasKeyword(command, 0, "defaults")) {
        Value::Dictionary fields{{"key", Value(word(command, 1))}};
        if (auto value = sim_.defaults().object(word(command, 1))) {
            fields.emplace("value", std::move(*value));
        }
        emit("defaults", fields);
    } else {
        Value::Array lines;
        std::ifstream log(VLGestureLogPath(sim_));
        for (std::string line; std::getline(log, line);) {
            lines.emplace_back(std::move(line));
        }
        emit("log-file", {{"lines", Value(std::move(lines))}});
    }
}

std::optional<std::string> SessionRunner::runMenu(const SessionCommand& command) {
    // The session may name a letter without its check mark; the menu is chosen by the
    // titles as shown.
    std::vector<std::string> path;
    const std::vector<platform::MenuItem>* items = &sim_.simUi().menu();
    for (const SessionWord& title : command.arguments) {
        const platform::MenuItem* item = findByTitle(*items, title.text);
        if (!item) {
            return "no menu item titled \"" + word(command, command.arguments.size() - 1) + "\"";
        }
        path.push_back(item->title);
        items = &item->submenu;
    }
    using Choice = sim::SimUi::MenuChoice;
    const Choice choice = sim_.simUi().chooseMenuItem(path);
    sim_.runUntilIdle();
    switch (choice) {
        case Choice::chosen:
            return std::nullopt;
        case Choice::opensSubmenu:
            return "\"" + path.back() + "\" opens a submenu: name one of its items too";
        case Choice::disabled:
            return "\"" + path.back() + "\" cannot be chosen: it is disabled";
        case Choice::notFound:
            break;
    }
    return "no menu item titled \"" + path.back() + "\"";
}

void SessionRunner::emitLogLines() {
    for (std::string& line : logTail_.newLines()) {
        emit("log", {{"line", Value(std::move(line))}});
    }
}

void SessionRunner::emit(std::string_view kind, const Value::Dictionary& fields) {
    transcript_.write(sim_.elapsed(), kind, fields);
}

void SessionRunner::finish() {
    emitLogLines();
    sim_.defaults().synchronize();
}

}  // namespace velmor
