#include "web/web_address.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "support/shared_testdata.h"

namespace velmor {
namespace {

// Undoes the \xHH escapes of the vector file.
std::string unescaped(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool escape = field.compare(i, 2, "\\x") == 0;
        bytes +=
            escape ? static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16)) : field[i];
        i += escape ? 3 : 0;
    }
    return bytes;
}

TEST(WebAddress, FollowsTheUrlVectorsWithTheProgramsRules) {
    if (auto missing = testing::missingSharedTestdata("urls.tsv")) {
        GTEST_SKIP() << *missing;
    }
    std::ifstream file(testing::sharedTestdata("urls.tsv"));
    std::string line;
    ASSERT_TRUE(std::getline(file, line));  // the column names
    const std::regex webScheme("https?", std::regex::icase);
    int rows = 0;
    for (; std::getline(file, line); ++rows) {
        std::vector<std::string> f;  // input, scheme, user, password, host, parse_ok, ...
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            f.push_back(field);
        }
        ASSERT_GE(f.size(), 6u) << line;
        // Web schemes with a host and no user or password; "<empty>" and "<absent>" are none.
        const bool acceptable = f[5] == "yes" && std::regex_match(f[1], webScheme) &&
                                f[4].front() != '<' && f[2].front() == '<' && f[3].front() == '<';
        const std::string input = unescaped(f[0]);
        EXPECT_EQ(VLValidatedWebURL(input), acceptable ? std::optional(input) : std::nullopt)
            << f[0];
    }
    EXPECT_EQ(rows, 151);
}

TEST(WebAddress, ProgramRules) {
    EXPECT_EQ(VLValidatedWebURL("HTTPS://Example.COM/Path"), "HTTPS://Example.COM/Path");
    EXPECT_TRUE(VLIsWebAction("HTTPS://EXAMPLE.COM"));
    EXPECT_FALSE(VLValidatedWebURL("https://"));
    EXPECT_FALSE(VLValidatedWebURL("https://user@example.com/"));
    EXPECT_FALSE(VLValidatedWebURL("https://:secret@example.com/"));
    EXPECT_EQ(VLValidatedWebURL("https://@example.com/"), "https://@example.com/");
    EXPECT_EQ(VLValidatedWebURL("https://:@example.com/"), "https://:@example.com/");
    EXPECT_FALSE(VLValidatedWebURL("https:example.com"));
    EXPECT_FALSE(VLValidatedWebURL("httpx://example.com/"));
    EXPECT_FALSE(VLIsWebAction("https:/example.com"));
    for (const char* other :
         {"ftp://example.com/", "mailto:someone@example.com", "/System/Applications/Music.app"}) {
        EXPECT_FALSE(VLIsWebAction(other));
        EXPECT_FALSE(VLValidatedWebURL(other));
    }
    EXPECT_FALSE(VLIsWebAction(std::nullopt));
    EXPECT_FALSE(VLValidatedWebURL(std::nullopt));

    // Blanks, tabs and line breaks around the address, Unicode ones included, but no controls.
    EXPECT_EQ(VLValidatedWebURL(" \thttps://example.com/a \n"), "https://example.com/a");
    EXPECT_EQ(VLValidatedWebURL("\u3000https://example.com/\u2028\u0085\u00a0"),
              "https://example.com/");
    EXPECT_FALSE(VLValidatedWebURL("https://example.com/\x1f"));
}

}  // namespace
}  // namespace velmor
