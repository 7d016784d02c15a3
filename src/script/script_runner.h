#pragma once

#include "app/scripted_ui.h"
#include "script/script_step.h"
#include "table/app_context.h"

#include <iosfwd>
#include <vector>

/** @brief Exit statuses of the script runner. */
enum ScriptExit : int {
    ScriptRan = 0,      // the script ran; errors of the program are lines of the output
    ScriptFailed = 1,   // a command failed in a way the program has no report for
    ScriptFaulty = 2,   // the script itself is at fault (or cannot be read)
};

/** @brief One run of a script against an application context and its scripted user interface. */
struct ScriptSession {
    App& app;
    ScriptedUi& ui;
    /** @brief The script line of every answer queued so far, in queue order. */
    std::vector<int> answerLines;
};

/**
 * @brief Performs one step as the window would: checks that the named control exists, fits the step
 * and is visible, then runs the handler through the general error report. Throws ScriptFault when the
 * step does not fit the window (or a dialog finds no fitting answer).
 */
void runStep(ScriptSession& session, const ScriptStep& step, int lineNumber);

/**
 * @brief Reads the script line by line and runs each step until its end or until the main window is
 * asked to close; then checks that no queued answer is left. A fault is written to `faults` as
 * "script line N: ..." and ends the run.
 * @return ScriptRan, ScriptFailed or ScriptFaulty.
 */
int runScriptLines(ScriptSession& session, std::istream& script, std::ostream& faults);
