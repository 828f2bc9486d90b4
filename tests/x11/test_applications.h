#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmor::x11::testing {

// Desktop folders of a test's own under `root`, set in the environment so that a workspace
// made afterwards reads them and none of the machine's. Each entry's program leaves a
// marker file when it runs, which proves it was really launched, holding its environment.
class TestApplications {
public:
    explicit TestApplications(const std::filesystem::path& root);
    // The environment is as it was before.
    ~TestApplications();
    TestApplications(const TestApplications&) = delete;
    TestApplications& operator=(const TestApplications&) = delete;

    std::filesystem::path userFolder() const { return root_ / "data" / "applications"; }
    std::filesystem::path systemFolder() const { return root_ / "system" / "applications"; }
    std::filesystem::path configFolder() const { return root_ / "config"; }

    // Writes an entry named `name` at `file` with more key lines; the file's path.
    std::filesystem::path write(const std::filesystem::path& file, const std::string& name,
                                const std::string& moreLines = {}) const;
    // Whether the program of the entry with that file name (without ".desktop") ran.
    bool launched(const std::string& stem) const;
    bool waitLaunched(const std::string& stem) const;
    // The environment the program of that entry ran with, one variable a line.
    std::string environmentOf(const std::string& stem) const;

private:
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> previous_;
};

}  // namespace velmor::x11::testing
