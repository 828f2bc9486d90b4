#include "platform/macos/mac_platform.h"

namespace velmor::macos {

MacPlatform::MacPlatform(MacOptions options)
    : home_(std::move(options.home)),
      paths_(home_),
      defaults_(options.settingsDomain),
      workspace_(home_),
      systemActions_(events_, processes_),
      loginItem_(home_) {}

}  // namespace velmor::macos
