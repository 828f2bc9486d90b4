#include "input/excluded_applications.h"

#include <algorithm>

namespace velmor {

namespace {

Value::Array storedEntries(const platform::UserDefaults& defaults) {
    const std::optional<Value> list = defaults.array(kExcludedApplicationsKey);
    return list ? *list->asArray() : Value::Array{};
}

bool namesApplication(const Value& entry, std::string_view id) {
    const std::string* text = entry.asString();
    return text && *text == id;
}

}  // namespace

std::vector<std::string> VLExcludedApplications(const platform::UserDefaults& defaults) {
    std::vector<std::string> ids;
    for (const Value& entry : storedEntries(defaults)) {
        if (const std::string* id = entry.asString()) {
            ids.push_back(*id);
        }
    }
    return ids;
}

bool VLIsExcludedApplication(const platform::UserDefaults& defaults, std::string_view id) {
    const std::optional<Value> list = defaults.array(kExcludedApplicationsKey);
    if (!list) {
        return false;
    }
    return std::ranges::any_of(*list->asArray(),
                               [id](const Value& entry) { return namesApplication(entry, id); });
}

bool VLAddExcludedApplication(platform::UserDefaults& defaults, const std::string& id) {
    Value::Array entries = storedEntries(defaults);
    if (std::ranges::any_of(entries,
                            [&id](const Value& entry) { return namesApplication(entry, id); })) {
        return false;
    }
    entries.emplace_back(id);
    defaults.set(kExcludedApplicationsKey, Value(std::move(entries)));
    return true;
}

bool VLRemoveExcludedApplication(platform::UserDefaults& defaults, std::string_view id) {
    Value::Array entries = storedEntries(defaults);
    const auto removed =
        std::erase_if(entries, [id](const Value& entry) { return namesApplication(entry, id); });
    if (removed == 0) {
        return false;
    }
    defaults.set(kExcludedApplicationsKey, Value(std::move(entries)));
    return true;
}

}  // namespace velmor
