#include "platform/number_c_locale.h"

#include <stdexcept>

locale_t cLocale()
{
    // Never freed: conversions may run until the very end of the program.
    static const locale_t handle = [] {
        const locale_t made = newlocale(LC_ALL_MASK, "C", locale_t{});
        if (made == locale_t{}) {
            throw std::runtime_error("cannot create the C locale for number conversions");
        }
        return made;
    }();
    return handle;
}

CLocaleScope::CLocaleScope() : previous_(uselocale(cLocale())) {}

CLocaleScope::~CLocaleScope()
{
    uselocale(previous_);
}
