#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

// One word of a session line; a quoted word may hold blanks and is never a keyword.
struct SessionWord {
    std::string text;
    bool quoted = false;

    friend bool operator==(const SessionWord&, const SessionWord&) = default;
};

// One command of a replay session, checked: its words have the shapes the command needs.
struct SessionCommand {
    int line = 0;
    std::string name;
    std::vector<SessionWord> arguments;
};

struct SessionError {
    int line = 0;
    std::string message;
};

struct SessionScript {
    std::vector<SessionCommand> commands;
    std::optional<SessionError> error;  // set: nothing of the session may run
};

// Splits one line into words: blanks separate, "#" outside quotes starts a comment,
// double-quoted strings may hold blanks with \" and \\. Nothing on a malformed line, with
// the reason in `error`.
std::optional<std::vector<SessionWord>> splitSessionLine(std::string_view line, std::string& error);

// Parses and checks a whole session text.
SessionScript parseSession(std::string_view text);

// Numbers as the session writes them: C-locale decimal text, nothing else on the word.
std::optional<double> sessionNumber(std::string_view word);
std::optional<long long> sessionInteger(std::string_view word);

}  // namespace velmor
