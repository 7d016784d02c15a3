#pragma once

#include "platform/file_path.h"

#include <string>
#include <string_view>

/**
 * @brief Replaces `file` whole with `bytes`: writes a temporary file in the same folder, flushes and
 * closes it, then renames it over the target, so a reader sees either the old file or the new one,
 * never a part. On any failure the temporary file is removed, an existing file stays as it was, and
 * FileError `Cannot create file "<shown>". <reason>` is thrown.
 */
void replaceFileWhole(const FilePath& file, std::string_view bytes);

/** @brief The whole content of `file`; throws FileError `Cannot open file "<shown>". <reason>`. */
std::string readWholeFile(const FilePath& file);
