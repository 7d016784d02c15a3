// specdesk-script SCRIPT [ARG...]: runs the window's start-up with ARG... as the command line, then the
// user actions of SCRIPT ("-" for standard input) against the same handlers, without a display.

#include "app/scripted_ui.h"
#include "app/startup.h"
#include "script/script_runner.h"
#include "table/app_context.h"
#include "table/command_runner.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: specdesk-script SCRIPT [ARG...]   (SCRIPT \"-\" reads standard input)\n";
    return ScriptFaulty;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string scriptName = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);

    std::ifstream scriptFile;
    if (scriptName != "-") {
        std::error_code error;
        if (!std::filesystem::is_directory(scriptName, error))
            scriptFile.open(scriptName, std::ios::binary);
        if (!scriptFile.is_open()) {
            std::cerr << "specdesk-script: cannot read the script \"" << scriptName << "\"\n";
            return ScriptFaulty;
        }
    }
    std::istream& script = scriptName == "-" ? std::cin : scriptFile;

    const DriveMapping drive = DriveMapping::fromEnvironment();
    ScriptedUi ui([](const std::string& line) { std::cout << line << std::endl; }, drive);
    const auto app = makeApp(ui, drive, localeDecimalSeparator());
    ScriptSession session{*app, ui, {}};

    try {
        runCommand(*app, [&arguments](App& a) { startpart(a, arguments); });
    } catch (const ScriptFault& fault) {
        std::cerr << "start-up: " << fault.what() << std::endl;
        return ScriptFaulty;
    }
    return runScriptLines(session, script, std::cerr);
}
