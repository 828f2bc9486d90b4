#pragma once

namespace velmor::platform {

// Starting this program when the user logs in. Main thread only.
class LoginItem {
public:
    virtual ~LoginItem() = default;
    // Makes the program start at login; false when that could not be arranged.
    virtual bool enable() = 0;
    // Stops it; nothing there already is no error, and no error is reported.
    virtual void disable() = 0;
    virtual bool isEnabled() const = 0;
    // Whether the user switched starting at login off outside the program, as a desktop's
    // own settings do it: that is the user's choice, and the program follows it.
    virtual bool turnedOffElsewhere() const { return false; }
};

}  // namespace velmor::platform
