#pragma once

#include <filesystem>
#include <string>

/**
 * @brief A file as the program names it (`shown`, used in messages, e.g. "C://VELK//F.txt") and where
 * it really is on this machine (`native`).
 */
struct FilePath {
    std::string shown;
    std::filesystem::path native;
};
