// specdesk: the window program. Start-up processing of the command line runs before the window is
// first shown; the event loop runs until the main window closes.
#include "gui/main_window.h"
#include "gui/qt_ui_services.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The command line is the program's own: Qt gets only the program name, so an argument such as
    // "-style" names a table file here instead of changing the window.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("specdesk"));

    const DriveMapping drive = DriveMapping::fromEnvironment();
    QtUiServices ui(drive);
    const auto app = makeApp(ui, drive);
    MainWindow window(*app, ui);

    window.start(arguments);
    if (ui.closeRequested())
        return 0;
    window.show();
    return QApplication::exec();
}
