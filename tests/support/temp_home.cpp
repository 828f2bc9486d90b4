#include "support/temp_home.h"

#include <atomic>
#include <chrono>
#include <string>
#include <system_error>

namespace velmor::testing {

namespace {
std::filesystem::path uniqueFolder() {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto name = "velmor-home-" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return std::filesystem::temp_directory_path() / name;
}
}  // namespace

TempHome::TempHome() : path_(uniqueFolder()) {
    std::filesystem::create_directories(path_ / "Desktop");
}

TempHome::~TempHome() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace velmor::testing
