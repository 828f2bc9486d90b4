#include "conformance/backend.h"

namespace velmor::conformance {

std::vector<BackendFactory> backendFactories() {
    std::vector<BackendFactory> factories{simBackend()};
#ifdef VELMOR_CONFORMANCE_X11
    factories.push_back(x11Backend());
#endif
#ifdef VELMOR_CONFORMANCE_MACOS
    factories.push_back(macosBackend());
#endif
    return factories;
}

}  // namespace velmor::conformance
