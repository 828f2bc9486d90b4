#include "sync_machine.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/property_list.h"
#include "gestures/gesture_log.h"

namespace velmor::testing {

namespace fs = std::filesystem;

std::string SyncMachine::gestureLog() const {
    std::ifstream in(home.path() / "Desktop/Velmor_GestureLog.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> SyncMachine::backups() const {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(
             home.path() / "Library/Application Support/Velmor/SyncBackups", error)) {
        found.push_back(entry.path());
    }
    return found;
}

Value makeSamples(double seed, std::size_t samples, std::size_t points) {
    Value::Array all;
    for (std::size_t s = 0; s < samples; ++s) {
        Value::Array sample;
        for (std::size_t p = 0; p < points; ++p) {
            double x = static_cast<double>(p) / 47.0;
            sample.push_back(Value(
                Value::Array{Value::real(x), Value::real(seed + 0.1 * static_cast<double>(s))}));
        }
        all.push_back(Value(std::move(sample)));
    }
    return Value(std::move(all));
}

Value samplesWithPoint(Value point) {
    auto all = *makeSamples().asArray();
    auto sample = *all[1].asArray();
    sample[17] = std::move(point);
    all[1] = Value(std::move(sample));
    return Value(std::move(all));
}

fs::path eventsFolder(const fs::path& share) {
    return share / "VelmorSync-v2" / "Events";
}

std::vector<fs::path> eventFiles(const fs::path& share) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(eventsFolder(share), error)) {
        found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

Value::Dictionary eventDictionary(const std::string& id, const std::string& letter,
                                  const std::string& kind, double timestamp, Value value,
                                  bool deleted) {
    return Value::Dictionary{
        {"format", Value::integer(2)},
        {"id", Value(id)},
        {"device", Value("TEST-DEVICE")},
        {"letter", Value(letter)},
        {"kind", Value(kind)},
        {"timestamp", Value::real(timestamp)},
        {"deleted", Value::integer(deleted)},
        {"value", std::move(value)},
    };
}

void writeFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeEventFile(const fs::path& folder, const std::string& name,
                    const Value::Dictionary& event) {
    writeFile(folder / name, serializeXmlPropertyList(Value(event)));
}

}  // namespace velmor::testing
