#include "support/temp_home.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
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

std::string TempHome::logText() const {
    std::ifstream file(path_ / "Desktop" / "Velmor_GestureLog.txt");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

}  // namespace velmor::testing
