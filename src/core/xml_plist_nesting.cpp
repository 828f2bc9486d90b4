#include "core/xml_plist_nesting.h"

#include <cstddef>

#include "core/property_list_limits.h"

namespace velmor {

namespace {

constexpr std::string_view kBinaryMagic = "bplist00";
constexpr std::size_t kNowhere = std::string_view::npos;

// Where `wanted` next begins at or after `from`, stepping over double-quoted runs.
std::size_t findOutsideQuotes(std::string_view text, std::size_t from, std::string_view wanted) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text.substr(at).starts_with(wanted)) {
            return at;
        }
        if (text[at] == '"') {
            at = text.find('"', at + 1);
            if (at == kNowhere) {
                return kNowhere;
            }
        }
    }
    return kNowhere;
}

// Where the first of `characters` next occurs at or after `from`, outside double quotes.
std::size_t findAnyOutsideQuotes(std::string_view text, std::size_t from,
                                 std::string_view characters) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text[at] == '"') {
            at = text.find('"', at + 1);
            if (at == kNowhere) {
                return kNowhere;
            }
        }
        if (characters.find(text[at]) != kNowhere) {
            return at;
        }
    }
    return kNowhere;
}

class NestingScan {
public:
    explicit NestingScan(std::string_view xml) : xml_(xml) {}

    bool bounded() {
        for (std::size_t at = xml_.find('<'); at != kNowhere && !exceeded_;
             at = xml_.find('<', at)) {
            at = markupEnd(at + 1);
        }
        return !exceeded_;
    }

private:
    // Reads the markup that begins after a '<' and says where scanning goes on: at the
    // markup's last part, which never holds a '<'.
    std::size_t markupEnd(std::size_t at) {
        const std::string_view rest = xml_.substr(at);
        if (rest.starts_with("!--")) {
            return xml_.find("-->", at + 3);
        }
        if (rest.starts_with("![CDATA[")) {
            return xml_.find("]]>", at + 8);
        }
        if (rest.starts_with("?")) {
            return findOutsideQuotes(xml_, at, "?>");
        }
        if (rest.starts_with("!DOCTYPE")) {
            return doctypeEnd(at + 8);
        }
        return tagEnd(at);
    }

    std::size_t doctypeEnd(std::size_t at) const {
        const std::size_t stop = findAnyOutsideQuotes(xml_, at, "[>");
        if (stop != kNowhere && xml_[stop] == '[') {
            return findOutsideQuotes(xml_, stop, "]>");
        }
        return stop;
    }

    // A tag's name runs to a blank or an angle bracket; its end is the next '>' outside
    // quotes, and a '/' just before that end makes it empty (and is no part of the name).
    // A '<' before the end breaks the document there, so scanning goes on from it.
    std::size_t tagEnd(std::size_t at) {
        const std::size_t nameEnd = xml_.find_first_of(" \r\n\t<>", at);
        const std::size_t end = findAnyOutsideQuotes(xml_, nameEnd, "<>");
        if (end != kNowhere && xml_[end] == '>') {
            const bool empty = xml_[end - 1] == '/';
            const std::size_t nameLength = nameEnd - at - (empty && nameEnd == end ? 1 : 0);
            count(xml_.substr(at, nameLength), empty);
        }
        return end;
    }

    // An empty container still nests one level below its parent.
    void count(std::string_view name, bool empty) {
        if (name == "array" || name == "dict") {
            exceeded_ = exceeded_ || depth_ + 1 > kMaxPropertyListNesting;
            depth_ += empty ? 0 : 1;
        } else if ((name == "/array" || name == "/dict") && depth_ > 0) {
            depth_ -= 1;
        }
    }

    std::string_view xml_;
    int depth_ = 0;
    bool exceeded_ = false;
};

}  // namespace

bool xmlPlistNestingIsBounded(std::string_view bytes) {
    return bytes.starts_with(kBinaryMagic) || NestingScan(bytes).bounded();
}

}  // namespace velmor
