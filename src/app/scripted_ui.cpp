#include "app/scripted_ui.h"

#include "platform/program_launcher.h"

void ScriptedUi::showMessage(const std::string& text)
{
    output_("message: " + text);
}

void ScriptedUi::reportError(const std::string& text)
{
    output_("error: " + text);
}

ScriptedAnswer ScriptedUi::takeAnswer(const std::string& what)
{
    if (answers_.empty())
        throw ScriptFault("no answer queued for " + what);
    ScriptedAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

Answer ScriptedUi::confirm(const std::string& question)
{
    const ScriptedAnswer answer = takeAnswer("the question \"" + question + "\"");
    const char* word = nullptr;
    Answer result = Answer::Cancel;
    switch (answer.kind) {
    case ScriptedAnswer::Kind::Yes: word = "yes"; result = Answer::Yes; break;
    case ScriptedAnswer::Kind::No: word = "no"; result = Answer::No; break;
    case ScriptedAnswer::Kind::Cancel: word = "cancel"; result = Answer::Cancel; break;
    default: throw ScriptFault("a file answer was queued for the question \"" + question + "\"");
    }
    output_("confirm: " + question + " -> " + word);
    return result;
}

std::optional<std::string> ScriptedUi::fileDialog(const char* kind, ScriptedAnswer::Kind accepted,
                                                  const FileDialogRequest& request)
{
    const std::string line =
        std::string(kind) + ": [" + request.defaultExtension + "] [" + request.fileName + "] -> ";
    const ScriptedAnswer answer = takeAnswer(std::string("the ") + kind);
    if (answer.kind == ScriptedAnswer::Kind::Cancel) {
        output_(line + "cancel");
        return std::nullopt;
    }
    if (answer.kind != accepted)
        throw ScriptFault(std::string("the answer queued does not fit the ") + kind);
    output_(line + answer.path);
    return answer.path;
}

std::optional<std::string> ScriptedUi::openDialog(const FileDialogRequest& request)
{
    return fileDialog("open-dialog", ScriptedAnswer::Kind::Open, request);
}

std::optional<std::string> ScriptedUi::saveDialog(const FileDialogRequest& request)
{
    return fileDialog("save-dialog", ScriptedAnswer::Kind::Save, request);
}

void ScriptedUi::closeMainWindow()
{
    closeRequested_ = true;
    output_("close");
}

void ScriptedUi::startProgram(const std::string& commandLine, int showMode)
{
    output_("launch: " + commandLine + " [show " + std::to_string(showMode) + "]");
    if (launchPrograms_)
        launchProgram(commandLine, showMode, drive_);
}

void ScriptedUi::showHelp(const std::string& helpFile)
{
    output_("help: " + helpFile);
}

void ScriptedUi::openBrowser(const std::string& url)
{
    output_("browse: " + url);
}

void ScriptedUi::showAbout()
{
    output_("about");
}
