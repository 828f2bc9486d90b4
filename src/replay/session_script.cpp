#include "replay/session_script.h"

#include <charconv>
#include <cmath>
#include <map>

#include "core/number_text.h"
#include "core/text.h"

namespace velmor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads a quoted word starting after its opening quote; moves `at` past the closing one.
std::optional<std::string> readQuoted(std::string_view line, std::size_t& at, std::string& error) {
    std::string text;
    while (at < line.size()) {
        const char c = line[at++];
        if (c == '"') {
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (at < line.size() && (line[at] == '"' || line[at] == '\\')) {
            text += line[at++];
            continue;
        }
        error = "a backslash in a quoted string must be followed by \" or \\";
        return std::nullopt;
    }
    error = "a quoted string is not closed";
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<SessionWord>> splitSessionLine(std::string_view line,
                                                         std::string& error) {
    std::vector<SessionWord> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (isBlank(line[at])) {
            ++at;
            continue;
        }
        if (line[at] == '#') {
            break;
        }
        SessionWord word;
        if (line[at] == '"') {
            ++at;
            auto text = readQuoted(line, at, error);
            if (!text) {
                return std::nullopt;
            }
            word = SessionWord{std::move(*text), true};
        } else {
            const std::size_t start = at;
            while (at < line.size() && !isBlank(line[at]) && line[at] != '#' && line[at] != '"') {
                ++at;
            }
            word.text = line.substr(start, at - start);
        }
        if (at < line.size() && !isBlank(line[at]) && line[at] != '#') {
            error = "a quote must stand apart from the words beside it";
            return std::nullopt;
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<double> sessionNumber(std::string_view word) {
    const auto number = readRealPrefix(word, RealNotation::fixed);
    if (!number || number->length != word.size() || !std::isfinite(number->value)) {
        return std::nullopt;
    }
    return number->value;
}

std::optional<long long> sessionInteger(std::string_view word) {
    long long value = 0;
    const auto [end, failure] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || failure != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

namespace {

using Words = std::vector<SessionWord>;
// Checks a command's words; gives the reason when they do not fit.
using Checker = std::optional<std::string> (*)(const Words&);

std::optional<std::string> countIs(const Words& words, std::size_t low, std::size_t high,
                                   std::string_view usage) {
    if (words.size() < low || words.size() > high) {
        return "usage: " + std::string(usage);
    }
    return std::nullopt;
}

bool isKeyword(const SessionWord& word, std::string_view keyword) {
    return !word.quoted && word.text == keyword;
}

std::optional<std::string> needNumber(const SessionWord& word, std::string_view what) {
    if (word.quoted || !sessionNumber(word.text)) {
        return std::string(what) + " must be a number, not \"" + word.text + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> needInteger(const SessionWord& word, std::string_view what,
                                       long long low, long long high) {
    const auto value = word.quoted ? std::nullopt : sessionInteger(word.text);
    if (!value || *value < low || *value > high) {
        return std::string(what) + " must be an integer from " + std::to_string(low) + " to " +
               std::to_string(high) + ", not \"" + word.text + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> checkNothing(const Words& words) {
    return countIs(words, 0, 0, "the command takes no words");
}

std::optional<std::string> checkPermission(const Words& words) {
    if (words.size() != 1 || !(isKeyword(words[0], "on") || isKeyword(words[0], "off"))) {
        return "usage: permission on | permission off";
    }
    return std::nullopt;
}

std::optional<std::string> checkFrontmost(const Words& words) {
    if (words.size() == 1 && isKeyword(words[0], "none")) {
        return std::nullopt;
    }
    if (auto wrong = countIs(words, 2, 3, "frontmost BUNDLE_ID PID [\"WINDOW TITLE\"] | none")) {
        return wrong;
    }
    return needInteger(words[1], "PID", 1, 2147483647);
}

std::optional<std::string> checkRunning(const Words& words) {
    if (auto wrong = countIs(words, 2, 3, "running BUNDLE_ID PID [hidden]")) {
        return wrong;
    }
    if (words.size() == 3 && !isKeyword(words[2], "hidden")) {
        return "the third word of running can only be hidden";
    }
    return needInteger(words[1], "PID", 1, 2147483647);
}

std::optional<std::string> checkApp(const Words& words) {
    return countIs(words, 2, 3, "app PATH BUNDLE_ID [\"NAME\"]");
}

std::optional<std::string> checkPoint(const Words& words) {
    if (auto wrong = countIs(words, 2, 2, "X Y")) {
        return wrong;
    }
    if (auto wrong = needNumber(words[0], "X")) {
        return wrong;
    }
    return needNumber(words[1], "Y");
}

std::optional<std::string> checkDragTo(const Words& words) {
    if (auto wrong = countIs(words, 3, 3, "drag-to X Y STEP")) {
        return wrong;
    }
    for (std::size_t index = 0; index < 3; ++index) {
        if (auto wrong = needNumber(words[index], index == 2 ? "STEP" : index == 0 ? "X" : "Y")) {
            return wrong;
        }
    }
    if (*sessionNumber(words[2].text) <= 0.0) {
        return "STEP must be greater than 0";
    }
    return std::nullopt;
}

std::optional<std::string> checkWheel(const Words& words) {
    if (auto wrong = countIs(words, 1, 1, "wheel DELTA")) {
        return wrong;
    }
    return needInteger(words[0], "DELTA", -2147483648LL, 2147483647LL);
}

std::optional<std::string> checkKey(const Words& words) {
    if (auto wrong = countIs(words, 1, 1, "key-down CODE | key-up CODE")) {
        return wrong;
    }
    return needInteger(words[0], "CODE", 0, 65535);
}

std::optional<std::string> checkWait(const Words& words) {
    if (auto wrong = countIs(words, 1, 1, "wait SECONDS")) {
        return wrong;
    }
    if (auto wrong = needNumber(words[0], "SECONDS")) {
        return wrong;
    }
    if (*sessionNumber(words[0].text) < 0.0) {
        return "SECONDS cannot be negative";
    }
    return std::nullopt;
}

std::optional<std::string> checkMenu(const Words& words) {
    return countIs(words, 1, 2, "menu \"TITLE\" [\"SUBMENU ITEM TITLE\"]");
}

std::optional<std::string> checkAlertAnswer(const Words& words) {
    if (auto wrong = countIs(words, 1, 1, "alert-answer N")) {
        return wrong;
    }
    return needInteger(words[0], "N", 1000, 1099);
}

std::optional<std::string> checkField(const Words& words) {
    return countIs(words, 1, 1, "field \"TEXT\"");
}

std::optional<std::string> checkPanel(const Words& words) {
    return countIs(words, 1, 1, "panel PATH | panel cancel");
}

std::optional<std::string> checkDefaultsValue(const SessionWord& word) {
    if (word.quoted || word.text == "true" || word.text == "false" || sessionInteger(word.text) ||
        (word.text.find('.') != std::string::npos && sessionNumber(word.text))) {
        return std::nullopt;
    }
    return "a value is true, false, an integer, a real with a dot or a quoted string, not \"" +
           word.text + "\"";
}

std::optional<std::string> checkDefaults(const Words& words) {
    if (words.size() == 3 && isKeyword(words[0], "set")) {
        return checkDefaultsValue(words[2]);
    }
    if (words.size() == 2 && isKeyword(words[0], "delete")) {
        return std::nullopt;
    }
    return "usage: defaults set KEY VALUE | defaults delete KEY";
}

std::optional<std::string> checkShow(const Words& words) {
    if ((words.size() == 1 && (isKeyword(words[0], "menu") || isKeyword(words[0], "log"))) ||
        (words.size() == 2 && isKeyword(words[0], "defaults"))) {
        return std::nullopt;
    }
    return "usage: show menu | show defaults KEY | show log";
}

const std::map<std::string, Checker, std::less<>>& commandCheckers() {
    static const std::map<std::string, Checker, std::less<>> checkers{
        {"permission", checkPermission},
        {"frontmost", checkFrontmost},
        {"running", checkRunning},
        {"app", checkApp},
        {"launch", checkNothing},
        {"right-down", checkPoint},
        {"right-drag", checkPoint},
        {"right-up", checkPoint},
        {"drag-to", checkDragTo},
        {"marked-right-down", checkPoint},
        {"marked-right-up", checkPoint},
        {"wheel", checkWheel},
        {"middle-down", checkNothing},
        {"middle-up", checkNothing},
        {"key-down", checkKey},
        {"key-up", checkKey},
        {"wait", checkWait},
        {"menu", checkMenu},
        {"alert-answer", checkAlertAnswer},
        {"field", checkField},
        {"panel", checkPanel},
        {"defaults", checkDefaults},
        {"show", checkShow},
    };
    return checkers;
}

bool setsPoint(std::string_view name) {
    return name == "right-down" || name == "right-drag" || name == "right-up" ||
           name == "marked-right-down" || name == "marked-right-up" || name == "drag-to";
}

// Rules across lines: one launch before any menu, and a drag needs a point to start from.
std::optional<std::string> checkOrder(const SessionCommand& command, bool& launched,
                                      bool& hasPoint) {
    if (command.name == "launch") {
        if (launched) {
            return "the program is launched only once per session";
        }
        launched = true;
    }
    if (command.name == "menu" && !launched) {
        return "the status menu exists only after launch";
    }
    if (command.name == "drag-to" && !hasPoint) {
        return "drag-to needs an earlier right-button event to start from";
    }
    hasPoint = hasPoint || setsPoint(command.name);
    return std::nullopt;
}

}  // namespace

SessionScript parseSession(std::string_view text) {
    SessionScript script;
    bool launched = false;
    bool hasPoint = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const auto fail = [&](std::string message) {
            script.commands.clear();
            script.error = SessionError{lineNumber, std::move(message)};
            return script;
        };
        if (!isValidUtf8(line)) {
            return fail("the line is not UTF-8 text");
        }
        std::string error;
        auto words = splitSessionLine(line, error);
        if (!words) {
            return fail(error);
        }
        if (words->empty()) {
            continue;
        }
        SessionCommand command{lineNumber, (*words)[0].text, {words->begin() + 1, words->end()}};
        const auto checker = commandCheckers().find(command.name);
        if ((*words)[0].quoted || checker == commandCheckers().end()) {
            return fail("unknown command \"" + command.name + "\"");
        }
        if (auto wrong = checker->second(command.arguments)) {
            return fail(command.name + ": " + *wrong);
        }
        if (auto wrong = checkOrder(command, launched, hasPoint)) {
            return fail(command.name + ": " + *wrong);
        }
        script.commands.push_back(std::move(command));
    }
    return script;
}

}  // namespace velmor
