#pragma once

namespace velmor::x11 {

// What the tap does with an event: hand it on to the window it was meant for, or keep it.
enum class TapAnswer { pass, swallow };

}  // namespace velmor::x11
