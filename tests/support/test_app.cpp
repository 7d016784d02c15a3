#include "support/test_app.h"

#include "table/command_runner.h"

TestApp::TestApp(TempDrive::Layout layout, char separator)
    : drive(layout),
      ui([this](const std::string& line) { seen.push_back(line); }, drive.mapping()),
      app(makeApp(ui, drive.mapping(), separator)),
      state(app->state),
      controls(app->controls)
{
    ui.setLaunchPrograms(false);
}

void TestApp::run(void (*handler)(App&))
{
    runCommand(*app, handler);
}

std::vector<std::string> TestApp::takeSeen()
{
    std::vector<std::string> lines;
    lines.swap(seen);
    return lines;
}
