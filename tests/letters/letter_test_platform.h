#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::testing {

// A simulated platform over a fresh home folder, with the gesture log's lines at hand.
struct LetterTestPlatform {
    TempHome home;
    sim::SimPlatform platform{sim::SimOptions{home.path(), true, std::nullopt}};

    // The log's lines without their time stamps.
    std::vector<std::string> logMessages() const {
        std::vector<std::string> messages;
        std::ifstream log(home.path() / "Desktop/Velmor_GestureLog.txt");
        for (std::string line; std::getline(log, line);) {
            messages.push_back(line.substr(line.find("+0000: ") + 7));
        }
        return messages;
    }

    std::vector<std::string> recordedKinds() const {
        std::vector<std::string> kinds;
        for (const sim::SimRecord& record : platform.records()) {
            kinds.push_back(record.kind);
        }
        return kinds;
    }
};

}  // namespace velmor::testing
