#pragma once

#include <optional>
#include <vector>

namespace velmor::x11 {

// The pointer's button map: the button a window sees (logical) for each button of the device
// (physical), as `xmodmap -e 'pointer = 3 2 1'` sets it for a left hand. Events arrive
// logical; XTest presses physical buttons, so what the program posts goes through the inverse.
class ButtonMap {
public:
    ButtonMap() = default;
    // Entry i is the logical button of physical button i + 1; 0 switches a button off.
    explicit ButtonMap(std::vector<unsigned char> logicalOfPhysical)
        : logicalOfPhysical_(std::move(logicalOfPhysical)) {}

    // The logical button of a physical one; buttons beyond the map keep their number.
    std::optional<unsigned int> logical(unsigned int physical) const;
    // The physical button to press for windows to see `logical`: the lowest that gives it.
    // Nothing when every button that could give it is switched off or gives another.
    std::optional<unsigned int> physical(unsigned int logical) const;

private:
    std::vector<unsigned char> logicalOfPhysical_;
};

}  // namespace velmor::x11
