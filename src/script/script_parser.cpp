#include "script/script_parser.h"

#include <charconv>
#include <string>
#include <vector>

namespace {

struct Split {
    std::string_view word;
    std::optional<std::string_view> rest; // after the single blank that ends `word`; none without one
};

Split splitFirst(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {text, std::nullopt};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (start < text.size()) {
        if (text[start] == ' ') {
            ++start;
            continue;
        }
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end;
    }
    return result;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

int integerArgument(std::string_view text, const char* what)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw ScriptFault(std::string(what) + " " + quoted(text) + " is not an integer");
    return value;
}

// The one word that click, key, check, uncheck and select take.
std::string singleWord(std::string_view verb, std::string_view rest, const char* what)
{
    const auto list = words(rest);
    if (list.size() != 1)
        throw ScriptFault(std::string(verb) + " expects " + what);
    return std::string(list.front());
}

// A control name followed by a verbatim last argument.
Split nameAndTail(std::string_view verb, std::string_view rest, const char* usage)
{
    const Split split = splitFirst(rest);
    if (split.word.empty())
        throw ScriptFault(std::string(verb) + " expects " + usage);
    return split;
}

std::string requiredTail(std::string_view verb, std::string_view tail, const char* usage)
{
    if (tail.empty())
        throw ScriptFault(std::string(verb) + " expects " + usage);
    return std::string(tail);
}

MouseButton mouseButton(std::string_view word)
{
    if (word == "left")
        return MouseButton::Left;
    if (word == "right")
        return MouseButton::Right;
    if (word == "middle")
        return MouseButton::Middle;
    throw ScriptFault("unknown mouse button " + quoted(word) + " (left, right or middle)");
}

ScriptStep parseMouseUp(std::string_view rest)
{
    const auto list = words(rest);
    if (list.size() != 3 && list.size() != 4)
        throw ScriptFault("mouseup expects NAME X Y [left|right|middle]");
    return MouseUpStep{std::string(list[0]), integerArgument(list[1], "coordinate"),
                       integerArgument(list[2], "coordinate"),
                       list.size() == 4 ? mouseButton(list[3]) : MouseButton::Left};
}

ScriptStep parseAnswer(std::string_view rest)
{
    const Split split = splitFirst(rest);
    using Kind = ScriptedAnswer::Kind;
    if (split.word == "open" || split.word == "save") {
        const Kind kind = split.word == "open" ? Kind::Open : Kind::Save;
        return AnswerStep{{kind, requiredTail("answer", split.rest.value_or(""), "open|save PATH")}};
    }
    const auto list = words(rest);
    if (list.size() == 1 && list[0] == "cancel")
        return AnswerStep{{Kind::Cancel, ""}};
    if (list.size() == 1 && list[0] == "yes")
        return AnswerStep{{Kind::Yes, ""}};
    if (list.size() == 1 && list[0] == "no")
        return AnswerStep{{Kind::No, ""}};
    throw ScriptFault("answer expects open PATH, save PATH, cancel, yes or no");
}

ScriptStep parseStep(std::string_view verb, std::string_view rest)
{
    if (verb == "click")
        return ClickStep{singleWord(verb, rest, "one control name")};
    if (verb == "key")
        return KeyStep{singleWord(verb, rest, "one shortcut such as Ctrl+N")};
    if (verb == "check" || verb == "uncheck")
        return CheckStep{singleWord(verb, rest, "one check box name"), verb == "check"};
    if (verb == "select")
        return SelectStep{singleWord(verb, rest, "one radio button name")};
    if (verb == "text") {
        const Split split = nameAndTail(verb, rest, "NAME VALUE");
        return TextStep{std::string(split.word), std::string(split.rest.value_or(""))};
    }
    if (verb == "table") {
        const Split split = nameAndTail(verb, rest, "NAME FILE");
        return TableStep{std::string(split.word), requiredTail(verb, split.rest.value_or(""), "NAME FILE")};
    }
    if (verb == "line") {
        const Split split = nameAndTail(verb, rest, "NAME INDEX TEXT");
        const Split index = splitFirst(split.rest.value_or(""));
        const int value = integerArgument(index.word, "line index");
        if (value < 0)
            throw ScriptFault("line index " + quoted(index.word) + " is negative");
        return LineStep{std::string(split.word), value, std::string(index.rest.value_or(""))};
    }
    if (verb == "mouseup")
        return parseMouseUp(rest);
    if (verb == "answer")
        return parseAnswer(rest);
    if (verb == "dump")
        return DumpStep{requiredTail(verb, rest, "FILE")};
    if (verb == "picture")
        return PictureStep{requiredTail(verb, rest, "FILE")};
    throw ScriptFault("unknown verb " + quoted(verb));
}

} // namespace

std::optional<ScriptStep> parseScriptLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.find_first_not_of(' ') == std::string_view::npos || line.front() == '#')
        return std::nullopt;
    const Split split = splitFirst(line);
    return parseStep(split.word, split.rest.value_or(""));
}
