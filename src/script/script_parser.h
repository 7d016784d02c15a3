#pragma once

#include "script/script_step.h"

#include <optional>
#include <string_view>

/**
 * @brief Reads one line of a script. A trailing CR is dropped; an empty line, a line of blanks and a
 * line starting with '#' give nothing. Words are separated by blanks; the last argument of `text`,
 * `table`, `line`, `answer open|save`, `dump` and `picture` is everything after the single blank that
 * ends the word before it, verbatim. Throws ScriptFault for an unknown verb, a wrong number of
 * arguments or an argument of the wrong form (a non-integer index or coordinate, an unknown mouse
 * button or answer). Whether a named control exists and fits the verb is checked when the step runs.
 */
std::optional<ScriptStep> parseScriptLine(std::string_view line);
