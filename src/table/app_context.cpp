#include "table/app_context.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

char localeDecimalSeparator()
{
    // Ask the environment's locale without touching the process-wide C locale.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0))
        return '.';
    const char* point = nl_langinfo_l(RADIXCHAR, user);
    const char separator = (point != nullptr && point[0] != '\0' && point[1] == '\0') ? point[0] : '.';
    freelocale(user);
    return separator;
}

std::unique_ptr<App> makeApp(UiServices& ui, DriveMapping drive, char separator)
{
    return std::make_unique<App>(ui, std::move(drive), separator);
}
