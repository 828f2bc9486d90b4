#include "platform/x11/button_map.h"

namespace velmor::x11 {

std::optional<unsigned int> ButtonMap::logical(unsigned int physical) const {
    if (physical == 0) {
        return std::nullopt;
    }
    if (physical > logicalOfPhysical_.size()) {
        return physical;
    }
    const unsigned int mapped = logicalOfPhysical_[physical - 1];
    return mapped == 0 ? std::nullopt : std::optional<unsigned int>(mapped);
}

std::optional<unsigned int> ButtonMap::physical(unsigned int logical) const {
    if (logical == 0) {
        return std::nullopt;
    }
    for (unsigned int index = 0; index < logicalOfPhysical_.size(); ++index) {
        if (logicalOfPhysical_[index] == logical) {
            return index + 1;
        }
    }
    if (logical > logicalOfPhysical_.size()) {
        return logical;
    }
    return std::nullopt;
}

}  // namespace velmor::x11
