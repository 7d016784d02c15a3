#pragma once

#include "platform/file_path.h"

#include <string>
#include <string_view>
#include <vector>

/**
 * @brief The text of a table control: a list of byte-string lines. Lines are split at CR LF, LF or
 * CR; an empty remainder after a final break is not a line. Bytes are kept as they are (no decoding),
 * so text that is not UTF-8 survives a load and a save unchanged.
 */
class TableText {
public:
    TableText() = default;
    explicit TableText(std::string_view text) { setText(text); }

    int count() const { return static_cast<int>(lines_.size()); }
    /** @brief Line `index`; empty text at or past the count (and for negative indexes). */
    const std::string& line(int index) const;
    const std::vector<std::string>& lines() const { return lines_; }

    /** @brief Replaces line `index`; `index` equal to the count appends a line. */
    void setLine(int index, std::string text);
    void clear();

    /** @brief Replaces the whole text, splitting it into lines. */
    void setText(std::string_view text);
    /** @brief The lines joined by CR LF, with a final CR LF when the text ended with a break. */
    std::string text() const;
    /** @brief Whether `text()` ends with a break after the last line. */
    bool endsWithBreak() const { return endsWithBreak_; }

    /** @brief Replaces the text with the file's bytes; FileError when it cannot be read. */
    void loadFromFile(const FilePath& file);
    /** @brief Writes `text()` to the file, replacing it whole; FileError when it cannot be written. */
    void saveToFile(const FilePath& file) const;

    bool operator==(const TableText&) const = default;

private:
    std::vector<std::string> lines_;
    bool endsWithBreak_ = false;
};
