#pragma once

#include <optional>
#include <string>

/** @brief The button that closed a confirmation box (its close box and Escape count as Cancel). */
enum class Answer { Yes, No, Cancel };

/** @brief What a handler sets on the open or save dialog before running it. */
struct FileDialogRequest {
    std::string defaultExtension;
    std::string fileName;
};

/**
 * @brief Everything a handler asks of the user or the desktop. The window implements it with real
 * dialogs, the script runner with scripted answers, tests with a recording fake.
 */
class UiServices {
public:
    virtual ~UiServices() = default;

    /** @brief A modal message box with one text and an OK button. */
    virtual void showMessage(const std::string& text) = 0;
    /** @brief The general error report: the text of the error that ended a command. */
    virtual void reportError(const std::string& text) = 0;
    /** @brief A modal question with Yes, No and Cancel. */
    virtual Answer confirm(const std::string& question) = 0;
    /** @brief The open dialog (filter "All Files (*.*)|*.*"): the chosen path, or nothing if cancelled. */
    virtual std::optional<std::string> openDialog(const FileDialogRequest& request) = 0;
    /** @brief The save dialog (filter "All Files (*.*)|*.*"): the chosen path, or nothing if cancelled. */
    virtual std::optional<std::string> saveDialog(const FileDialogRequest& request) = 0;
    /** @brief Asks the main window to close; the program ends when it has closed. */
    virtual void closeMainWindow() = 0;
    /**
     * @brief Starts a program from a command line (program path and blank-separated arguments, as the
     * program writes it) with a show mode, without waiting for it. Failures are not reported.
     */
    virtual void startProgram(const std::string& commandLine, int showMode) = 0;
    /** @brief Shows the contents of a help file (the program's path of it). */
    virtual void showHelp(const std::string& helpFile) = 0;
    /** @brief Opens an address in the user's web browser. */
    virtual void openBrowser(const std::string& url) = 0;
    /** @brief Shows the About box modally. */
    virtual void showAbout() = 0;
};
