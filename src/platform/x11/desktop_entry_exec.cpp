#include "platform/x11/desktop_entry_exec.h"

namespace velmor::x11 {

namespace {

std::string quotedArgument(std::string_view program) {
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        } else if (c == '%') {
            quoted += '%';  // field codes start with one
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string escapedString(std::string_view value) {
    std::string escaped;
    for (const char c : value) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string execValue(std::string_view program) {
    return escapedString(quotedArgument(program));
}

std::string stringValue(std::string_view value) {
    return escapedString(value);
}

}  // namespace velmor::x11
