#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmor::testing {

// A fresh home folder under the system's temporary folder, with a Desktop folder, removed
// with everything in it when the test ends.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The gesture log on this home's Desktop; empty when there is none.
    std::string logText() const;

private:
    std::filesystem::path path_;
};

// How often part occurs in text.
std::size_t occurrences(std::string_view text, std::string_view part);

}  // namespace velmor::testing
