#include "conformance/backend.h"
#include "platform/sim/sim_platform.h"

namespace velmor::conformance {

namespace {

class SimBackend : public Backend {
public:
    explicit SimBackend(const std::filesystem::path& home)
        : sim_(sim::SimOptions{home, true, std::nullopt}) {}

    platform::Platform& platform() override { return sim_; }

    std::optional<platform::TapResult> sendInput(const platform::Event& event) override {
        if (!sim_.tapExists() || !sim_.tapEnabled()) {
            return std::nullopt;
        }
        return sim_.deliverEvent(event);
    }
    void settle() override { sim_.runUntilIdle(); }
    void passTime(double seconds) override { sim_.advance(seconds); }
    bool chooseMenuItem(const std::vector<std::string>& titles) override {
        const bool chosen = sim_.simUi().chooseMenuItem(titles) == sim::SimUi::MenuChoice::chosen;
        sim_.runUntilIdle();
        return chosen;
    }
    void answerNextAlert(int button, double secondsOpen) override {
        sim_.queueAlertAnswer(button, secondsOpen);
    }
    void answerNextPanel(std::optional<std::string> path) override {
        sim_.queuePanelResult(std::move(path));
    }
    void grantInputPermission() override { sim_.setTrusted(true); }
    void bringForward(const std::string& applicationId, std::int32_t pid) override {
        sim_.setFrontmostApplication(applicationId, pid);
    }

private:
    sim::SimPlatform sim_;
};

}  // namespace

BackendFactory simBackend() {
    return {"sim", [](const std::filesystem::path& home) -> std::unique_ptr<Backend> {
                return std::make_unique<SimBackend>(home);
            }};
}

}  // namespace velmor::conformance
