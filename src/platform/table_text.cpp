#include "platform/table_text.h"

#include "platform/atomic_file.h"

const std::string& TableText::line(int index) const
{
    static const std::string empty;
    if (index < 0 || index >= count())
        return empty;
    return lines_[static_cast<std::size_t>(index)];
}

void TableText::setLine(int index, std::string text)
{
    if (index == count()) {
        lines_.push_back(std::move(text));
        endsWithBreak_ = true;
    } else if (index >= 0 && index < count()) {
        lines_[static_cast<std::size_t>(index)] = std::move(text);
    }
}

void TableText::clear()
{
    lines_.clear();
    endsWithBreak_ = false;
}

void TableText::setText(std::string_view text)
{
    lines_.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines_.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    endsWithBreak_ = start == text.size() && !text.empty();
    if (start < text.size())
        lines_.emplace_back(text.substr(start));
}

std::string TableText::text() const
{
    std::size_t size = 0;
    for (const std::string& line : lines_)
        size += line.size() + 2;
    std::string result;
    result.reserve(size);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        result += lines_[i];
        if (i + 1 < lines_.size() || endsWithBreak_)
            result += "\r\n";
    }
    return result;
}

void TableText::loadFromFile(const FilePath& file)
{
    setText(readWholeFile(file));
}

void TableText::saveToFile(const FilePath& file) const
{
    replaceFileWhole(file, text());
}
