#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/property_list.h"
#include "core/value.h"
#include "letters/letter_store.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"
#include "sync/velmor_sync.h"

namespace velmor::testing {

inline std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        found.push_back(entry->path());
    }
    return found;
}

struct RecordingStudioHost : VLStudioHost {
    void studioNotice(const std::string& title, const std::string& detail) override {
        notices.emplace_back(title, detail);
    }
    void refreshAlphabetMenu() override { ++menuRefreshes; }

    std::vector<std::pair<std::string, std::string>> notices;
    int menuRefreshes = 0;
};

// One Mac: its own home folder, a simulated platform with its settings on disk, and sync.
struct SyncMachine {
    TempHome home;
    sim::SimPlatform platform{sim::SimOptions{home.path(), false, std::nullopt}};
    RecordingStudioHost host;
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
    std::string gestureLog() const { return home.logText(); }
    std::vector<std::filesystem::path> backups() const {
        return filesIn(home.path() / "Library/Application Support/Velmor/SyncBackups");
    }
};

// Samples of 48 points each; the seed tells different samples apart.
inline Value makeSamples(double seed = 0.0, std::size_t samples = 3, std::size_t points = 48) {
    Value::Array all;
    for (std::size_t s = 0; s < samples; ++s) {
        Value::Array sample;
        for (std::size_t p = 0; p < points; ++p) {
            sample.push_back(Value(Value::Array{Value::real(static_cast<double>(p) / 47.0),
                                                Value::real(seed + 0.1 * static_cast<double>(s))}));
        }
        all.push_back(Value(std::move(sample)));
    }
    return Value(std::move(all));
}

inline std::filesystem::path eventsFolder(const std::filesystem::path& share) {
    return share / "VelmorSync-v2" / "Events";
}
inline std::vector<std::filesystem::path> eventFiles(const std::filesystem::path& share) {
    return filesIn(eventsFolder(share));
}

inline Value::Dictionary eventDictionary(const std::string& id, const std::string& letter,
                                         const std::string& kind, double timestamp, Value value,
                                         bool deleted = false) {
    return {{"format", Value::integer(2)},
            {"id", Value(id)},
            {"device", Value("TEST")},
            {"letter", Value(letter)},
            {"kind", Value(kind)},
            {"timestamp", Value::real(timestamp)},
            {"deleted", Value::integer(deleted)},
            {"value", std::move(value)}};
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
inline void writeEventFile(const std::filesystem::path& folder, const std::string& name,
                           const Value::Dictionary& event) {
    writeFile(folder / name, serializeXmlPropertyList(Value(event)));
}

}  // namespace velmor::testing
