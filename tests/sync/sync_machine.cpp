#include "sync_machine.h"

#include <fstream>
#include <iterator>

#include "core/property_list.h"

namespace velmor::testing {

namespace fs = std::filesystem;

namespace {
std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        found.push_back(entry->path());
    }
    return found;
}
}  // namespace

std::string SyncMachine::gestureLog() const {
    std::ifstream in(home.path() / "Desktop/Velmor_GestureLog.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> SyncMachine::backups() const {
    return filesIn(home.path() / "Library/Application Support/Velmor/SyncBackups");
}

Value makeSamples(double seed, std::size_t samples, std::size_t points) {
    Value::Array all(samples);
    for (std::size_t s = 0; s < samples; ++s) {
        Value::Array sample;
        for (std::size_t p = 0; p < points; ++p) {
            sample.push_back(Value(Value::Array{Value::real(static_cast<double>(p) / 47.0),
                                                Value::real(seed + 0.1 * static_cast<double>(s))}));
        }
        all[s] = Value(std::move(sample));
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
    return filesIn(eventsFolder(share));
}

Value::Dictionary eventDictionary(const std::string& id, const std::string& letter,
                                  const std::string& kind, double timestamp, Value value,
                                  bool deleted) {
    return {{"format", Value::integer(2)},
            {"id", Value(id)},
            {"device", Value("TEST")},
            {"letter", Value(letter)},
            {"kind", Value(kind)},
            {"timestamp", Value::real(timestamp)},
            {"deleted", Value::integer(deleted)},
            {"value", std::move(value)}};
}

void writeFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeEventFile(const fs::path& folder, const std::string& name,
                    const Value::Dictionary& event) {
    writeFile(folder / name, serializeXmlPropertyList(Value(event)));
}

}  // namespace velmor::testing
