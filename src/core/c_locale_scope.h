#pragma once

#include <clocale>
#if defined(__APPLE__)
#include <xlocale.h>  // the per-thread locales
#endif

namespace velmor {

// Switches the calling thread to the C locale until the scope ends. The C library formats
// and parses numbers in the thread's locale, and a desktop toolkit sets the user's locale
// at start-up: under a decimal comma "0.5" would print as "0,5" and read back as 0.
class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

}  // namespace velmor
