// The lock that keeps a second start of the program off a display the first one runs on.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>

#include "platform/x11/instance_lock.h"
#include "x11/child_process.h"
#include "x11/temp_folder.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using Outcome = InstanceLock::Outcome;

bool runs(pid_t process, const std::string& program) {
    std::ifstream comm("/proc/" + std::to_string(process) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name == program;
}

class InstanceLockTest : public ::testing::Test {
protected:
    // The lock file of the display for a user whose environment has these variables.
    std::filesystem::path fileFor(const std::string& display,
                                  const std::map<std::string, std::string>& environment) const {
        const XdgPaths paths(home_.path(),
                             [&](const std::string& name) -> std::optional<std::string> {
                                 const auto found = environment.find(name);
                                 if (found == environment.end()) {
                                     return std::nullopt;
                                 }
                                 return found->second;
                             });
        return InstanceLock::fileFor(paths, display);
    }

    TempFolder home_;
    TempFolder runtime_;
};

TEST_F(InstanceLockTest, OneHolderPerDisplayUntilItLetsGoWithOrWithoutARuntimeFolder) {
    for (const std::map<std::string, std::string>& environment :
         {std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtime_.path().string()}},
          std::map<std::string, std::string>{}}) {
        std::optional<InstanceLock> first(std::in_place, fileFor(":5", environment));
        ASSERT_EQ(first->outcome(), Outcome::taken);
        EXPECT_EQ(InstanceLock(fileFor(":5", environment)).outcome(), Outcome::heldByAnother);
        EXPECT_EQ(InstanceLock(fileFor(":5.0", environment)).outcome(), Outcome::heldByAnother)
            << "a screen of the same display";
        EXPECT_EQ(InstanceLock(fileFor(":6", environment)).outcome(), Outcome::taken);
        EXPECT_EQ(InstanceLock(fileFor("otherhost:5", environment)).outcome(), Outcome::taken);

        first.reset();
        EXPECT_EQ(InstanceLock(fileFor(":5", environment)).outcome(), Outcome::taken);
    }
}

TEST_F(InstanceLockTest, AProgramTheHolderStartedDoesNotKeepTheLock) {
    const auto file = fileFor(":5", {{"XDG_RUNTIME_DIR", runtime_.path().string()}});
    std::optional<InstanceLock> holder(std::in_place, file);
    ASSERT_EQ(holder->outcome(), Outcome::taken);
    const ChildProcess launched({"sleep", "600"}, ":5");
    // Until it has become the program, the child is a copy of this process, lock and all.
    ASSERT_TRUE(waitUntil([&] { return runs(launched.pid(), "sleep"); }));

    holder.reset();
    EXPECT_EQ(InstanceLock(file).outcome(), Outcome::taken);
}

}  // namespace
}  // namespace velmor::x11::testing
