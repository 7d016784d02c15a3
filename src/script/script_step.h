#pragma once

#include "app/scripted_ui.h"

#include <string>
#include <variant>

/** @brief `click NAME`: what the window runs for a click on that control. */
struct ClickStep {
    std::string control;
};

/** @brief `key Ctrl+N`: a keyboard shortcut of the window. */
struct KeyStep {
    std::string key;
};

/** @brief `text NAME VALUE`: an edit box's text becomes VALUE. */
struct TextStep {
    std::string control;
    std::string value;
};

/** @brief `check NAME` / `uncheck NAME`: a check box. */
struct CheckStep {
    std::string control;
    bool checked;
};

/** @brief `select NAME`: a radio button of the window's one exclusive group. */
struct SelectStep {
    std::string control;
};

/** @brief `table NAME FILE`: a table's text becomes the file's bytes. */
struct TableStep {
    std::string control;
    std::string file;
};

/** @brief `line NAME INDEX TEXT`: one line of a table (INDEX equal to the line count appends). */
struct LineStep {
    std::string control;
    int index;
    std::string text;
};

enum class MouseButton { Left, Right, Middle };

/** @brief `mouseup NAME X Y [left|right|middle]`: a mouse button released over a control. */
struct MouseUpStep {
    std::string control;
    int x;
    int y;
    MouseButton button;
};

/** @brief `answer open|save PATH`, `answer cancel|yes|no`: the answer to the next dialog. */
struct AnswerStep {
    ScriptedAnswer answer;
};

/** @brief `dump FILE`: the JSON snapshot of the application into FILE. */
struct DumpStep {
    std::string file;
};

/** @brief `picture FILE`: the plot picture saved as a bitmap file. */
struct PictureStep {
    std::string file;
};

/** @brief One action of a script. */
using ScriptStep = std::variant<ClickStep, KeyStep, TextStep, CheckStep, SelectStep, TableStep, LineStep,
                                MouseUpStep, AnswerStep, DumpStep, PictureStep>;
