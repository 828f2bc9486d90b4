#include "platform/x11/user_dirs.h"

#include <string>

namespace velmor::x11 {

namespace {

constexpr std::string_view kHome = "$HOME";

std::string_view trimmedLeft(std::string_view text) {
    const auto start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

// The text between the quotes after `key=`; nothing when the line sets something else.
std::optional<std::string> quotedValue(std::string_view line, std::string_view key) {
    line = trimmedLeft(line);
    if (!line.starts_with(key)) {
        return std::nullopt;
    }
    line = trimmedLeft(line.substr(key.size()));
    if (!line.starts_with('=')) {
        return std::nullopt;
    }
    line = trimmedLeft(line.substr(1));
    if (!line.starts_with('"')) {
        return std::nullopt;
    }
    std::string value;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '"') {
            return value;
        }
        if (line[i] == '\\' && i + 1 < line.size()) {
            ++i;
        }
        value += line[i];
    }
    return std::nullopt;  // no closing quote
}

std::optional<std::filesystem::path> folderFor(std::string_view value,
                                               const std::filesystem::path& home) {
    if (value.starts_with(kHome)) {
        std::string_view rest = value.substr(kHome.size());
        if (!rest.empty() && !rest.starts_with('/')) {
            return std::nullopt;  // $HOMEWORK is no variable here
        }
        const auto firstNotSlash = rest.find_first_not_of('/');
        rest = firstNotSlash == std::string_view::npos ? std::string_view{}
                                                       : rest.substr(firstNotSlash);
        return rest.empty() ? home : home / rest;
    }
    if (value.starts_with('/')) {
        return std::filesystem::path(value);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> parseUserDir(std::string_view text, std::string_view key,
                                                  const std::filesystem::path& home) {
    std::optional<std::filesystem::path> folder;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (const auto value = quotedValue(line, key)) {
            if (auto candidate = folderFor(*value, home)) {
                folder = std::move(candidate);
            }
        }
    }
    return folder;
}

}  // namespace velmor::x11
