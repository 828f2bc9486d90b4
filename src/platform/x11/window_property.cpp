#include "platform/x11/window_property.h"

#include "platform/x11/error_trap.h"
#include "platform/x11/x_free.h"

namespace velmor::x11 {
namespace {

// Generous: a client list or a title is far below it.
constexpr long kMaxLongs = 1 << 16;

struct Property {
    XMemory<unsigned char> data;
    unsigned long items = 0;
    int format = 0;
};

std::optional<Property> read(::Display* display, Window window, Atom property, Atom type) {
    ErrorTrap trap(display, ErrorTrap::Waiting::whenUnanswered);
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* raw = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, kMaxLongs, False, type,
                                          &actualType, &format, &items, &remaining, &raw);
    Property result{XMemory<unsigned char>(raw), items, format};
    if (status != Success || trap.sync() != Success || actualType != type || !result.data) {
        return std::nullopt;
    }
    return result;
}

}  // namespace

std::optional<std::vector<unsigned long>> cardinalProperty(::Display* display, Window window,
                                                           Atom property, Atom type) {
    std::optional<Property> found = read(display, window, property, type);
    if (!found || found->format != 32) {
        return std::nullopt;
    }
    // Format 32 arrives as an array of longs, whatever the width of long.
    const auto* values = reinterpret_cast<const unsigned long*>(found->data.get());
    return std::vector<unsigned long>(values, values + found->items);
}

std::optional<std::string> textProperty(::Display* display, Window window, Atom property,
                                        Atom type) {
    std::optional<Property> found = read(display, window, property, type);
    if (!found || found->format != 8) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(found->data.get()), found->items);
}

}  // namespace velmor::x11
