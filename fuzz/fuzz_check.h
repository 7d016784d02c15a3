#pragma once

#include <cstdio>
#include <cstdlib>

/** @brief Ends the run with a message when a property of the fuzzed code does not hold (libFuzzer
 * then saves the input as a crash). */
inline void fuzzCheck(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}
