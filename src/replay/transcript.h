#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "core/value.h"

namespace velmor {

enum class TranscriptFormat { text, json };

// The replay's output: one line per record, readable text or one JSON object, written and
// flushed as it comes so that a long session shows its progress.
class Transcript {
public:
    Transcript(std::ostream& out, TranscriptFormat format) : out_(out), format_(format) {}

    void write(double t, std::string_view kind, const Value::Dictionary& fields);

private:
    std::ostream& out_;
    TranscriptFormat format_;
};

// {"t":..., "kind":..., fields...}; a panel's missing result and a shown setting's missing
// value are null.
std::string jsonRecord(double t, std::string_view kind, const Value::Dictionary& fields);

// "   12.345  kind key=value ..."; a shown menu takes one line per item.
std::string textRecord(double t, std::string_view kind, const Value::Dictionary& fields);

}  // namespace velmor
