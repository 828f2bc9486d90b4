// Linked into every test program: a main-thread-only call of the simulated platform made
// from a background block fails the test that made it, with the call named.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/sim/sim_scheduler.h"

namespace velmor::testing {
namespace {

class ThreadRuleEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        sim::setThreadRuleHandler([](std::string_view call) {
            ADD_FAILURE() << std::string(call)
                          << " is main-thread only but was called from a background block";
        });
    }
    void TearDown() override { sim::setThreadRuleHandler({}); }
};

[[maybe_unused]] ::testing::Environment* const kThreadRule =
    ::testing::AddGlobalTestEnvironment(std::make_unique<ThreadRuleEnvironment>().release());

}  // namespace
}  // namespace velmor::testing
