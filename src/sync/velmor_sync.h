#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/value.h"
#include "platform/platform.h"
#include "studio/studio_host.h"

namespace velmor {

// Velmor Sync: letters shared between machines through a cloud-synced folder. The
// delegate owns one and forwards its sync menu items and the 30-second timer to it.
class VLVelmorSync {
public:
    VLVelmorSync(platform::Platform& platform, VLStudioHost& host);
    ~VLVelmorSync();
    VLVelmorSync(const VLVelmorSync&) = delete;
    VLVelmorSync& operator=(const VLVelmorSync&) = delete;

    // Menu actions and the timer.
    void velmorSyncTick();
    void velmorSyncSetMaster();
    void velmorSyncSetFollower();
    void velmorSyncNow();
    void velmorSyncStatus();
    void velmorSyncStop();

    // The building blocks, public for tests.
    std::optional<std::string> velmorSyncEventsDir() const;
    std::string velmorSyncDeviceID();
    static bool velmorSyncIsValidValue(const Value& value, const std::string& kind);
    bool velmorSyncWriteEventForLetter(const std::string& letter, const std::string& kind,
                                       const std::optional<Value>& value);
    bool velmorSyncReadEventsAtPath(const std::string& folder) const;
    Value velmorSyncSnapshot() const;
    Value velmorSyncReadLatestEvents();
    static Value velmorSyncSnapshotWithEvents(const Value& latestEvents);
    bool velmorSyncBackup(const Value& snapshot);
    void velmorSyncApplySnapshot(const Value& snapshot);
    std::optional<std::string> velmorSyncPickFolder();

private:
    struct Impl;
    platform::Platform& platform_;
    VLStudioHost& host_;
    std::unique_ptr<Impl> impl_;  // what the reader keeps between ticks
};

}  // namespace velmor
