#pragma once

#include "table/app_context.h"

#include <string>
#include <string_view>

/** @brief A copy of `text` with every ',' made '.' (numbers written to working files). */
std::string CommaToDot(std::string_view text);

/** @brief A copy of `text` with every '.' made ',' (before every conversion of an edit or table text). */
std::string DotToComma(std::string_view text);

/** @brief `DotToComma` in place, for the reader's work strings (keeps their storage). */
void dotToCommaInPlace(std::string& text);

/** @brief `text` without the characters of codes 0 to 32 at both ends. */
std::string trimBlanksAndControls(std::string_view text);

/** @brief `trimBlanksAndControls` in place, for the reader's work strings (keeps their storage). */
void trimBlanksAndControlsInPlace(std::string& text);

/** @brief In `LineText`: with ": , to blanck" ticked every , and ; becomes a blank; with "Tabs"
 * ticked every tab becomes a blank. */
void CleanHiddenCharacters(App& app);
