#pragma once

#include <chrono>
#include <deque>

namespace velmor::x11 {

// The program's own clicks on their way through the server. They are posted with the grab
// lifted and pass the tap by, unless the server takes them in only after the grab is back,
// as a busy server was seen to; the tap then hands them on untouched instead of taking them
// for the user's. Buttons are numbered as windows see them. Main thread.
class OwnClickEchoes {
public:
    using Clock = std::chrono::steady_clock;
    // Far longer than a busy server was seen to take.
    static constexpr std::chrono::milliseconds kPatience{500};

    void posted(unsigned int button, Clock::time_point at = Clock::now());
    // A press the tap caught: whether it is one of the program's own, then expected no more.
    bool isEcho(unsigned int button, Clock::time_point now = Clock::now());
    // The devices say the button went up: an own click that got by the grab is through.
    void released(unsigned int button);

private:
    struct Click {
        unsigned int button = 0;
        Clock::time_point postedAt;
    };

    // The first one of the button's still on its way.
    std::deque<Click>::iterator find(unsigned int button);

    std::deque<Click> onTheirWay_;
};

}  // namespace velmor::x11
