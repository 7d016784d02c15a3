#pragma once

#include <locale.h>

/**
 * @brief The "C" locale as a handle, made once and kept for the whole run, so number text is read and
 * written with '.' whatever locale the process (or Qt) has set.
 */
locale_t cLocale();

/**
 * @brief Makes the "C" locale the calling thread's locale while it lives, for the printf family,
 * which has no variant taking a locale handle; the thread's previous locale comes back afterwards.
 */
class CLocaleScope {
  public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t previous_;
};
