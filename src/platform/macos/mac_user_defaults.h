#pragma once

#include <string>

#include "platform/user_defaults.h"

namespace velmor::macos {

// The system's user defaults of the program's domain: read at the moment of use, kept on
// disk by the system. Any thread.
class MacUserDefaults final : public platform::UserDefaults {
public:
    // The standard user defaults when the running bundle is of that domain, else a suite
    // of that name (a program started outside its bundle keeps the same settings).
    explicit MacUserDefaults(const std::string& domain);
    ~MacUserDefaults() override;
    MacUserDefaults(const MacUserDefaults&) = delete;
    MacUserDefaults& operator=(const MacUserDefaults&) = delete;

    std::optional<Value> object(std::string_view key) const override;
    void set(std::string_view key, Value value) override;
    void remove(std::string_view key) override;
    bool synchronize() override;

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

}  // namespace velmor::macos
