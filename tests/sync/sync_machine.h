#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/value.h"
#include "letters/letter_store.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"
#include "sync/velmor_sync.h"

namespace velmor::testing {

struct Notice {
    std::string title;
    std::string detail;
};

class RecordingSyncHost : public VLSyncHost {
public:
    void studioNotice(const std::string& title, const std::string& detail) override {
        notices.push_back({title, detail});
    }
    void refreshAlphabetMenu() override { ++menuRefreshes; }

    std::vector<Notice> notices;
    int menuRefreshes = 0;
};

// One Mac: its own home folder, a simulated platform with its settings on disk, and sync.
struct SyncMachine {
    TempHome home;
    sim::SimPlatform platform{sim::SimOptions{home.path(), false, std::nullopt}};
    RecordingSyncHost host;
    VLVelmorSync sync{platform, host};

    platform::UserDefaults& defaults() { return platform.defaults(); }
    void setAction(const std::string& letter, std::string action) {
        defaults().setString(VLLetterActionKey(letter), std::move(action));
    }
    std::optional<std::string> storedAction(const std::string& letter) {
        return defaults().string(VLLetterActionKey(letter));
    }
    void setSamples(const std::string& letter, Value samples) {
        defaults().set(VLLetterTemplatesKey(letter), std::move(samples));
    }
    // The user picks the folder in the panel and starts or joins the share.
    void start(const std::filesystem::path& share) {
        platform.queuePanelResult(share.string());
        sync.velmorSyncSetMaster();
    }
    void join(const std::filesystem::path& share) {
        platform.queuePanelResult(share.string());
        sync.velmorSyncSetFollower();
    }
    std::string gestureLog() const;
    std::vector<std::filesystem::path> backups() const;
};

// Samples of 48 points each; the seed tells different samples apart.
Value makeSamples(double seed = 0.0, std::size_t samples = 3, std::size_t points = 48);
// Valid samples with one point replaced.
Value samplesWithPoint(Value point);

std::filesystem::path eventsFolder(const std::filesystem::path& share);
std::vector<std::filesystem::path> eventFiles(const std::filesystem::path& share);

Value::Dictionary eventDictionary(const std::string& id, const std::string& letter,
                                  const std::string& kind, double timestamp, Value value,
                                  bool deleted = false);
void writeFile(const std::filesystem::path& path, std::string_view bytes);
void writeEventFile(const std::filesystem::path& folder, const std::string& name,
                    const Value::Dictionary& event);

}  // namespace velmor::testing
