#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/app_delegate.h"
#include "core/point.h"
#include "platform/sim/sim_platform.h"
#include "replay/gesture_log_tail.h"
#include "replay/session_script.h"
#include "replay/transcript.h"

namespace velmor {

// Runs session commands against the whole program on the simulated platform and writes
// every record, and every new gesture-log line, to the transcript as it happens.
class SessionRunner {
public:
    SessionRunner(sim::SimPlatform& sim, Transcript& transcript);
    ~SessionRunner();
    SessionRunner(const SessionRunner&) = delete;
    SessionRunner& operator=(const SessionRunner&) = delete;

    // Nothing when the command ran; otherwise why it could not.
    std::optional<std::string> run(const SessionCommand& command);
    // The program chose to quit: nothing more can happen to it.
    bool programQuit() const { return sim_.terminated(); }
    // The end of the session: the last log lines, the settings written as at a clean exit.
    void finish();

private:
    void runInput(const SessionCommand& command);
    void runScript(const SessionCommand& command);
    std::optional<std::string> runMenu(const SessionCommand& command);
    void runDefaults(const SessionCommand& command);
    void runShow(const SessionCommand& command);
    void launch();
    void deliver(std::uint32_t type, Point where, std::optional<std::int64_t> markerField = {});
    void dragTo(Point target, double step);
    void emitLogLines();
    void emit(std::string_view kind, const Value::Dictionary& fields);

    sim::SimPlatform& sim_;
    Transcript& transcript_;
    GestureLogTail logTail_;
    std::unique_ptr<VLAppDelegate> delegate_;
    Point lastPoint_;
};

}  // namespace velmor
