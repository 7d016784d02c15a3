#pragma once

#include "platform/drive_mapping.h"
#include "platform/ui_services.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>

/** @brief A fault of the script itself (not of the program): a dialog with no queued answer, an
 * answer of the wrong kind. */
class ScriptFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** @brief A queued answer to the next dialog or confirmation box. */
struct ScriptedAnswer {
    enum class Kind { Open, Save, Cancel, Yes, No } kind;
    std::string path;
};

/**
 * @brief User-interface services that answer from a queue and describe, one line each, what the user
 * would see ("message: TEXT", "error: TEXT", "confirm: TEXT -> yes", "launch: ...", "close", ...).
 * Programs are really started. Used by the script runner and by tests.
 */
class ScriptedUi : public UiServices {
public:
    using Output = std::function<void(const std::string& line)>;

    ScriptedUi(Output output, DriveMapping drive) : output_(std::move(output)), drive_(std::move(drive)) {}

    void queue(ScriptedAnswer answer) { answers_.push_back(std::move(answer)); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    bool closeRequested() const { return closeRequested_; }
    /** @brief Whether programs are really started (tests of other commands switch it off). */
    void setLaunchPrograms(bool launch) { launchPrograms_ = launch; }

    void showMessage(const std::string& text) override;
    void reportError(const std::string& text) override;
    Answer confirm(const std::string& question) override;
    std::optional<std::string> openDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveDialog(const FileDialogRequest& request) override;
    void closeMainWindow() override;
    void startProgram(const std::string& commandLine, int showMode) override;
    void showHelp(const std::string& helpFile) override;
    void openBrowser(const std::string& url) override;
    void showAbout() override;

private:
    ScriptedAnswer takeAnswer(const std::string& what);
    std::optional<std::string> fileDialog(const char* kind, ScriptedAnswer::Kind accepted,
                                          const FileDialogRequest& request);

    Output output_;
    DriveMapping drive_;
    std::deque<ScriptedAnswer> answers_;
    bool closeRequested_ = false;
    bool launchPrograms_ = true;
};
