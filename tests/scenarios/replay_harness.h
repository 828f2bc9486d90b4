#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/value.h"

namespace velmor::testing {

// One transcript line of `velmor replay --json`.
struct ReplayRecord {
    double t = 0.0;
    std::string kind;
    Value fields;  // the whole object; JSON null reads as empty data
};

struct ReplayRun {
    bool succeeded = false;  // exit status 0
    std::vector<ReplayRecord> records;
    std::string errors;  // standard error
    std::string output;  // standard output as written
};

// Runs the built program: `velmor replay --json SESSION [--home HOME]`.
ReplayRun runReplay(const std::filesystem::path& session, const std::filesystem::path& home = {});

// Parses one JSON text into a Value; nothing when it is not JSON.
std::optional<Value> parseJson(std::string_view text);

// A record matches when it has the kind and each given field equals the given value.
struct Expect {
    std::string kind;
    Value::Dictionary fields;
};

// The index of the first record at or after `from` that matches, or records.size().
std::size_t findRecord(const std::vector<ReplayRecord>& records, const Expect& expect,
                       std::size_t from = 0);
// Whether the expectations match records in this order (other records may come between).
::testing::AssertionResult inOrder(const std::vector<ReplayRecord>& records,
                                   const std::vector<Expect>& expects);
std::size_t countRecords(const std::vector<ReplayRecord>& records, const Expect& expect);

}  // namespace velmor::testing
