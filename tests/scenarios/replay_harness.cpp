#include <gtest/gtest.h>

#include "scenarios/replay_harness.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/uuid.h"

namespace velmor::testing {

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// A small recursive-descent reader, enough for the transcript's JSON.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<Value> document() {
        auto value = read();
        skipBlanks();
        if (!value || at_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
    }
    bool take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    std::optional<Value> read() {
        skipBlanks();
        if (take("null")) {
            return Value(Value::Data{});
        }
        if (take("true")) {
            return Value::boolean(true);
        }
        if (take("false")) {
            return Value::boolean(false);
        }
        if (at_ < text_.size() && text_[at_] == '"') {
            auto text = string();
            return text ? std::optional<Value>(Value(*text)) : std::nullopt;
        }
        if (take("[")) {
            return array();
        }
        if (take("{")) {
            return object();
        }
        return number();
    }

    std::optional<Value> number() {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
        const std::string_view word = text_.substr(start, at_ - start);
        if (word.find_first_of(".eE") == std::string_view::npos) {
            long long integer = 0;
            auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), integer);
            if (error == std::errc() && end == word.data() + word.size() && !word.empty()) {
                return Value::integer(integer);
            }
            return std::nullopt;
        }
        double real = 0.0;
        auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), real);
        if (error != std::errc() || end != word.data() + word.size()) {
            return std::nullopt;
        }
        return Value::real(real);
    }

    std::optional<std::string> string() {
        std::string out;
        ++at_;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;  // raw control characters are not JSON
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) {
                return std::nullopt;
            }
            const char escape = text_[at_++];
            if (escape == 'u') {
                unsigned code = 0;
                auto [end, error] =
                    std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
                if (error != std::errc() || end != text_.data() + at_ + 4) {
                    return std::nullopt;
                }
                at_ += 4;
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else {
                    out += code == 0xFFFD ? "\xEF\xBF\xBD" : "?";
                }
            } else {
                const std::string_view plain = "\"\\/";
                const std::string_view named = "bfnrt";
                if (plain.find(escape) != std::string_view::npos) {
                    out += escape;
                } else if (const auto index = named.find(escape); index != std::string_view::npos) {
                    out += "\b\f\n\r\t"[index];
                } else {
                    return std::nullopt;
                }
            }
        }
        if (!take("\"")) {
            return std::nullopt;
        }
        return out;
    }

    std::optional<Value> array() {
        Value::Array items;
        skipBlanks();
        if (take("]")) {
            return Value(std::move(items));
        }
        do {
            auto item = read();
            if (!item) {
                return std::nullopt;
            }
            items.push_back(std::move(*item));
            skipBlanks();
        } while (take(","));
        return take("]") ? std::optional<Value>(Value(std::move(items))) : std::nullopt;
    }

    std::optional<Value> object() {
        Value::Dictionary entries;
        skipBlanks();
        if (take("}")) {
            return Value(std::move(entries));
        }
        do {
            skipBlanks();
            auto key = at_ < text_.size() && text_[at_] == '"' ? string() : std::nullopt;
            skipBlanks();
            if (!key || !take(":")) {
                return std::nullopt;
            }
            auto value = read();
            if (!value) {
                return std::nullopt;
            }
            entries.insert_or_assign(std::move(*key), std::move(*value));
            skipBlanks();
        } while (take(","));
        return take("}") ? std::optional<Value>(Value(std::move(entries))) : std::nullopt;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool matches(const ReplayRecord& record, const Expect& expect) {
    if (record.kind != expect.kind) {
        return false;
    }
    for (const auto& [key, value] : expect.fields) {
        const Value* found = record.fields.find(key);
        if (!found || !(*found == value)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Value> parseJson(std::string_view text) {
    return JsonReader(text).document();
}

ReplayRun runReplay(const std::filesystem::path& session, const std::filesystem::path& home) {
    const auto scratch =
        std::filesystem::temp_directory_path() / ("velmor-replay-test-" + makeUuidString());
    std::filesystem::create_directories(scratch);
    std::string command = quoted(VELMOR_BINARY) + " replay --json " + quoted(session);
    if (!home.empty()) {
        command += " --home " + quoted(home);
    }
    command += " >" + quoted(scratch / "out") + " 2>" + quoted(scratch / "err");

    ReplayRun run;
    run.succeeded = std::system(command.c_str()) == 0;
    run.output = readAll(scratch / "out");
    run.errors = readAll(scratch / "err");
    std::filesystem::remove_all(scratch);

    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        auto object = parseJson(line);
        EXPECT_TRUE(object && object->isDictionary()) << "not a JSON object: " << line;
        if (!object || !object->find("t") || !object->find("kind")) {
            continue;
        }
        run.records.push_back(ReplayRecord{object->find("t")->numberAsDouble().value_or(-1.0),
                                           *object->find("kind")->asString(), *object});
    }
    return run;
}

std::size_t findRecord(const std::vector<ReplayRecord>& records, const Expect& expect,
                       std::size_t from) {
    for (std::size_t index = from; index < records.size(); ++index) {
        if (matches(records[index], expect)) {
            return index;
        }
    }
    return records.size();
}

::testing::AssertionResult inOrder(const std::vector<ReplayRecord>& records,
                                   const std::vector<Expect>& expects) {
    std::size_t from = 0;
    for (std::size_t step = 0; step < expects.size(); ++step) {
        const std::size_t found = findRecord(records, expects[step], from);
        if (found == records.size()) {
            return ::testing::AssertionFailure()
                   << "expectation " << step << " (" << expects[step].kind
                   << ") not found after record " << from;
        }
        from = found + 1;
    }
    return ::testing::AssertionSuccess();
}

std::size_t countRecords(const std::vector<ReplayRecord>& records, const Expect& expect) {
    std::size_t count = 0;
    for (const auto& record : records) {
        count += matches(record, expect) ? 1 : 0;
    }
    return count;
}

}  // namespace velmor::testing
