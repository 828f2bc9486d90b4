#include "web/web_address.h"

#include <uriparser/Uri.h>

#include <optional>
#include <string_view>

#include "core/text.h"

namespace velmor {

namespace {

// `lowercasePrefix` in lower case.
bool startsWithIgnoringCase(std::string_view text, std::string_view lowercasePrefix) {
    return asciiLowercased(text.substr(0, lowercasePrefix.size())) == lowercasePrefix;
}

std::string_view rangeText(const UriTextRangeA& range) {
    if (range.first == nullptr || range.afterLast == nullptr) {
        return {};
    }
    return std::string_view(range.first, static_cast<std::size_t>(range.afterLast - range.first));
}

// Frees the parser's members however the validation ends.
class ParsedUri {
public:
    explicit ParsedUri(std::string_view text) {
        const char* errorPosition = nullptr;
        parsed_ = uriParseSingleUriExA(&uri_, text.data(), text.data() + text.size(),
                                       &errorPosition) == URI_SUCCESS;
    }
    ~ParsedUri() {
        if (parsed_) {
            uriFreeUriMembersA(&uri_);
        }
    }
    ParsedUri(const ParsedUri&) = delete;
    ParsedUri& operator=(const ParsedUri&) = delete;

    bool parsed() const { return parsed_; }
    const UriUriA& uri() const { return uri_; }

private:
    UriUriA uri_{};
    bool parsed_ = false;
};

bool isWebScheme(std::string_view scheme) {
    return (scheme.size() == 4 || scheme.size() == 5) &&
           startsWithIgnoringCase(scheme, scheme.size() == 5 ? "https" : "http");
}

// The user is the user information before its first colon, the password what follows it:
// both empty leaves only "" or ":".
bool hasEmptyUserAndPassword(const UriUriA& uri) {
    const std::string_view userInformation = rangeText(uri.userInfo);
    return userInformation.empty() || userInformation == ":";
}

}  // namespace

bool VLIsWebAction(const std::optional<std::string>& text) {
    return text &&
           (startsWithIgnoringCase(*text, "https://") || startsWithIgnoringCase(*text, "http://"));
}

std::optional<std::string> VLValidatedWebURL(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    const std::string trimmed = trimmedOfWhitespaceAndNewlines(*text);
    const ParsedUri parsed(trimmed);
    if (!parsed.parsed()) {
        return std::nullopt;
    }
    const UriUriA& uri = parsed.uri();
    if (!isWebScheme(rangeText(uri.scheme)) || rangeText(uri.hostText).empty() ||
        !hasEmptyUserAndPassword(uri)) {
        return std::nullopt;
    }
    // Nothing is rewritten: the scheme keeps its case, host and path theirs.
    return trimmed;
}

}  // namespace velmor
