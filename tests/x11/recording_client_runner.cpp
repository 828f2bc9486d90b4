#include "x11/recording_client_runner.h"

#include <algorithm>
#include <fstream>

#include "x11/wait_until.h"

namespace velmor::x11::testing {

RecordingClient::RecordingClient(const XSession& session, const std::filesystem::path& log,
                                 const std::string& windowClass)
    : log_(log), process_(session.start({VELMOR_RECORDING_CLIENT, log.string(), windowClass})) {}

bool RecordingClient::ready() {
    return waitUntil([&] {
        const std::vector<std::string> all = lines();
        if (all.empty() || all.front().rfind("ready ", 0) != 0) {
            return false;
        }
        window_ = std::stoul(all.front().substr(6), nullptr, 16);
        return true;
    });
}

std::vector<std::string> RecordingClient::lines() const {
    std::vector<std::string> all;
    std::ifstream file(log_);
    for (std::string line; std::getline(file, line);) {
        all.push_back(line);
    }
    return all;
}

std::vector<std::string> RecordingClient::received() const {
    std::vector<std::string> all = lines();
    std::erase_if(all, [](const std::string& line) { return line.rfind("ready ", 0) == 0; });
    return all;
}

int RecordingClient::count(const std::string& line) const {
    const std::vector<std::string> all = received();
    return static_cast<int>(std::count(all.begin(), all.end(), line));
}

int RecordingClient::countStarting(const std::string& prefix) const {
    const std::vector<std::string> all = received();
    return static_cast<int>(std::ranges::count_if(
        all, [&](const std::string& line) { return line.starts_with(prefix); }));
}

bool RecordingClient::waitFor(const std::string& line, int times) const {
    return waitUntil([&] { return count(line) >= times; });
}

}  // namespace velmor::x11::testing
