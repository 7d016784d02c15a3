#include "script/script_runner.h"

#include "app/commands.h"
#include "app/snapshot.h"
#include "continuum/point_picking.h"
#include "platform/app_error.h"
#include "platform/atomic_file.h"
#include "platform/bitmap_file.h"
#include "script/script_parser.h"
#include "table/command_runner.h"

#include <istream>
#include <ostream>
#include <string>

namespace {

Control& controlNamed(App& app, const std::string& name)
{
    Control* control = app.controls.find(name);
    if (control == nullptr)
        throw ScriptFault("unknown control \"" + name + "\"");
    return *control;
}

// A hidden control cannot be clicked, typed into or ticked.
Control& visibleControl(App& app, const std::string& name, ControlKind kind, const char* kindName)
{
    Control& control = controlNamed(app, name);
    if (control.kind != kind)
        throw ScriptFault(name + " is not " + kindName);
    if (!control.visible)
        throw ScriptFault(name + " is hidden");
    return control;
}

MemoControl& tableNamed(App& app, const std::string& name)
{
    if (name == "Memo1")
        return app.controls.Memo1;
    if (name == "Memo2")
        return app.controls.Memo2;
    controlNamed(app, name);
    throw ScriptFault(name + " is not a table (Memo1 or Memo2)");
}

void runHandler(App& app, const Command& command)
{
    // The clipboard actions act on the focused text, and there is none without a window.
    if (command.handler != nullptr)
        runCommand(app, command.handler);
}

struct StepRunner {
    ScriptSession& session;
    int lineNumber;

    App& app() const { return session.app; }

    void operator()(const ClickStep& step) const
    {
        Control& control = controlNamed(app(), step.control);
        const Command* command = clickCommand(step.control);
        if (command == nullptr)
            throw ScriptFault(step.control + " cannot be clicked");
        if (!control.visible)
            throw ScriptFault(step.control + " is hidden");
        runHandler(app(), *command);
    }

    void operator()(const KeyStep& step) const
    {
        const Command* command = shortcutCommand(step.key);
        if (command == nullptr)
            throw ScriptFault("unknown shortcut \"" + step.key + "\"");
        runHandler(app(), *command);
    }

    void operator()(const TextStep& step) const
    {
        visibleControl(app(), step.control, ControlKind::Edit, "an edit box").text = step.value;
    }

    void operator()(const CheckStep& step) const
    {
        visibleControl(app(), step.control, ControlKind::CheckBox, "a check box").checked = step.checked;
    }

    void operator()(const SelectStep& step) const
    {
        app().controls.selectRadio(
            visibleControl(app(), step.control, ControlKind::RadioButton, "a radio button"));
    }

    void operator()(const TableStep& step) const
    {
        MemoControl& table = tableNamed(app(), step.control);
        try {
            table.lines.loadFromFile(app().path(step.file));
        } catch (const FileError& error) {
            throw ScriptFault(error.what());
        }
    }

    void operator()(const LineStep& step) const
    {
        MemoControl& table = tableNamed(app(), step.control);
        if (step.index > table.lines.count())
            throw ScriptFault("line " + std::to_string(step.index) + " is past the end of " + step.control +
                              " (" + std::to_string(table.lines.count()) + " lines)");
        table.lines.setLine(step.index, step.text);
    }

    void operator()(const MouseUpStep& step) const
    {
        Control& control = controlNamed(app(), step.control);
        if (&control != &app().controls.Image1 && &control != &app().controls.Label9)
            throw ScriptFault("a mouse release picks points only over Image1 or Label9, not " + step.control);
        if (!control.visible)
            throw ScriptFault(step.control + " is hidden");
        // Every button picks alike.
        const int x = step.x;
        const int y = step.y;
        runCommand(app(), [x, y](App& a) { MouseD(a, x, y); });
    }

    void operator()(const AnswerStep& step) const
    {
        session.ui.queue(step.answer);
        session.answerLines.push_back(lineNumber);
    }

    void operator()(const DumpStep& step) const
    {
        try {
            replaceFileWhole(app().path(step.file), snapshotJson(app(), session.ui.closeRequested()));
        } catch (const FileError& error) {
            throw ScriptFault(error.what());
        }
    }

    void operator()(const PictureStep& step) const
    {
        // Saving the picture is a command of the program: its failure is an error the user sees.
        const FilePath file = app().path(step.file);
        runCommand(app(), [&file](App& a) { writeBitmapFile(file, a.controls.Image1.picture.raster()); });
    }
};

void reportFault(std::ostream& faults, int lineNumber, const std::string& text)
{
    faults << "script line " << lineNumber << ": " << text << std::endl;
}

} // namespace

void runStep(ScriptSession& session, const ScriptStep& step, int lineNumber)
{
    std::visit(StepRunner{session, lineNumber}, step);
}

int runScriptLines(ScriptSession& session, std::istream& script, std::ostream& faults)
{
    int lineNumber = 0;
    std::string line;
    while (!session.ui.closeRequested() && std::getline(script, line)) {
        ++lineNumber;
        try {
            if (const auto step = parseScriptLine(line))
                runStep(session, *step, lineNumber);
        } catch (const ScriptFault& fault) {
            reportFault(faults, lineNumber, fault.what());
            return ScriptFaulty;
        } catch (const std::exception& failure) {
            // Not an error of the program's own (those are output lines): a failure it has no report for.
            reportFault(faults, lineNumber, std::string("the command failed: ") + failure.what());
            return ScriptFailed;
        }
    }
    if (script.bad()) {
        faults << "the script cannot be read after line " << lineNumber << std::endl;
        return ScriptFaulty;
    }
    if (const std::size_t left = session.ui.pendingAnswers(); left > 0) {
        const int firstUnused = session.answerLines[session.answerLines.size() - left];
        reportFault(faults, firstUnused, "the answer was never asked for");
        return ScriptFaulty;
    }
    return ScriptRan;
}
