#include "platform/x11/own_click_echoes.h"

#include <algorithm>

namespace velmor::x11 {

void OwnClickEchoes::posted(unsigned int button, Clock::time_point at) {
    onTheirWay_.push_back({button, at});
}

bool OwnClickEchoes::isEcho(unsigned int button, Clock::time_point now) {
    std::erase_if(onTheirWay_,
                  [&](const Click& click) { return now - click.postedAt > kPatience; });
    const auto echo = find(button);
    if (echo == onTheirWay_.end()) {
        return false;
    }
    onTheirWay_.erase(echo);
    return true;
}

void OwnClickEchoes::released(unsigned int button) {
    if (const auto through = find(button); through != onTheirWay_.end()) {
        onTheirWay_.erase(through);
    }
}

std::deque<OwnClickEchoes::Click>::iterator OwnClickEchoes::find(unsigned int button) {
    return std::find_if(onTheirWay_.begin(), onTheirWay_.end(),
                        [&](const Click& click) { return click.button == button; });
}

}  // namespace velmor::x11
