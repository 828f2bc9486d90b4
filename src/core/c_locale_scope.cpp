#include "core/c_locale_scope.h"

namespace velmor {

namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace

CLocaleScope::CLocaleScope()
    : previous_(cLocale() != locale_t{} ? uselocale(cLocale()) : locale_t{}) {}

CLocaleScope::~CLocaleScope() {
    if (previous_ != locale_t{}) {
        uselocale(previous_);
    }
}

}  // namespace velmor
