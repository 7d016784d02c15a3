#include "table/table_format.h"

#include <algorithm>

namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmedView(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlankOrControl(text[first]))
        ++first;
    while (last > first && isBlankOrControl(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

} // namespace

std::string CommaToDot(std::string_view text)
{
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), ',', '.');
    return copy;
}

std::string DotToComma(std::string_view text)
{
    std::string copy(text);
    dotToCommaInPlace(copy);
    return copy;
}

void dotToCommaInPlace(std::string& text)
{
    std::replace(text.begin(), text.end(), '.', ',');
}

std::string trimBlanksAndControls(std::string_view text)
{
    return std::string(trimmedView(text));
}

void trimBlanksAndControlsInPlace(std::string& text)
{
    const std::string_view kept = trimmedView(text);
    const std::size_t first = static_cast<std::size_t>(kept.data() - text.data());
    text.erase(first + kept.size());
    text.erase(0, first);
}

void CleanHiddenCharacters(App& app)
{
    const bool separatorsToBlanks = app.controls.CheckBox5.checked;
    const bool tabsToBlanks = app.controls.CheckBox4.checked;
    for (char& c : app.state.LineText) {
        if (separatorsToBlanks && (c == ',' || c == ';'))
            c = ' ';
        if (tabsToBlanks && c == '\t')
            c = ' ';
    }
}
