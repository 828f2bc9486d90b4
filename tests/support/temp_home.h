#pragma once

#include <filesystem>

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

private:
    std::filesystem::path path_;
};

}  // namespace velmor::testing
