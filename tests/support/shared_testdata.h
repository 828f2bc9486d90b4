#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace velmor::testing {

// Interoperability data that nobody here wrote lives beside the checkout, in
// ../shared/testdata. A clone without it skips the tests that need it:
//   if (auto missing = missingSharedTestdata("plists")) GTEST_SKIP() << *missing;
inline std::filesystem::path sharedTestdata(const std::string& relative) {
    return std::filesystem::path(VELMOR_SHARED_TESTDATA) / relative;
}

inline std::optional<std::string> missingSharedTestdata(const std::string& relative) {
    std::error_code error;
    if (std::filesystem::exists(sharedTestdata(relative), error)) {
        return std::nullopt;
    }
    return "the interoperability data folder " + std::string(VELMOR_SHARED_TESTDATA) +
           " is missing or lacks " + relative + " (see the README)";
}

}  // namespace velmor::testing
