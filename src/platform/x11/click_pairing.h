#pragma once

#include <optional>

#include "core/point.h"
#include "platform/event.h"

namespace velmor::x11 {

// A click the program posts as its own comes as a press, then a release. X plays it as one
// click with the grab lifted, so the press waits here for its release.
class ClickPairing {
public:
    struct Click {
        Point at;
        unsigned int button = 0;
    };

    // The whole click once the release of the pending press comes, at the press's point;
    // nothing otherwise. A new press replaces one left without its release.
    std::optional<Click> take(const platform::Event& event);

private:
    std::optional<Click> pressed_;
};

}  // namespace velmor::x11
