#include "app/commands.h"

#include "app/help.h"
#include "app/startup.h"
#include "continuum/continuum_fit.h"
#include "continuum/flat_continuum.h"
#include "continuum/red_shift.h"
#include "exchange/calibration_handoff.h"
#include "exchange/second_plot_store.h"
#include "exchange/table_transfer.h"
#include "plot/axis_settings.h"
#include "plot/plot_commands.h"
#include "platform/controls.h"
#include "table/axis_ranging.h"
#include "table/rescan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Commands, ClicksRunTheHandlersOfTheDesign)
{
    struct Case {
        const char* control;
        Handler handler;
    } cases[] = {
        {"Button1", Button1Click},   {"Button2", Button2Click},   {"Button3", Button3Click},
        {"Button4", Button4Click},   {"Button5", Button5Click},   {"Button6", Button6Click},
        {"Button7", Button7Click},   {"Button8", Button8Click},   {"Button9", Button9Click},
        {"Button10", Button10Click}, {"Button11", Button11Click}, {"Button12", Button12Click},
        {"Button13", Button13Click}, {"Button14", Button14Click}, {"Button15", Button15Click},
        {"Button16", Button16Click}, {"Button17", Button17Click}, {"Button18", Button18Click},
        {"Button19", Button19Click}, {"Button20", Button20Click}, {"Button21", Button21Click},
        {"Button22", Button22Click}, {"Button23", Button23Click}, {"Button24", Button24Click},
        {"Button25", Button25Click}, {"BitBtn1", BitBtn1Click},   {"BitBtn2", BitBtn2Click},
        // The tool buttons and menu items run their actions' handlers.
        {"ToolButton1", FileOpen1Execute},  {"FileOpenItem", FileOpen1Execute},
        {"ToolButton2", FileSave1Execute},  {"FileSaveItem", FileSave1Execute},
        {"FileExitItem", FileExit1Execute}, {"HelpAboutItem", HelpAbout1Execute},
        {"Help2", Help2Click},
        // The standard clipboard actions have no handler of the program.
        {"ToolButton4", nullptr}, {"ToolButton5", nullptr}, {"ToolButton6", nullptr},
        {"CutItem", nullptr},     {"CopyItem", nullptr},    {"PasteItem", nullptr},
    };
    Controls controls;
    for (const Case& c : cases) {
        const Command* command = clickCommand(c.control);
        ASSERT_NE(command, nullptr) << c.control;
        EXPECT_EQ(command->name, c.control);
        EXPECT_EQ(command->handler, c.handler) << c.control;
        EXPECT_NE(controls.find(c.control), nullptr) << c.control << " is a control of the window";
    }
}

TEST(Commands, ControlsWithoutAClick)
{
    for (const char* name : {"ToolButton3", "N1", "File1", "Edit1", "Help1", "Edit2", "CheckBox1", "RadioButton1",
                             "Memo1", "Image1", "Label9", "OleContainer1", "button1", "Button26", "FileNew1",
                             "FileSaveAs1", ""})
        EXPECT_EQ(clickCommand(name), nullptr) << name;
}

TEST(Commands, Shortcuts)
{
    struct Case {
        const char* key;
        Handler handler;
    } cases[] = {
        {"Ctrl+N", FileNew1Execute}, {"Ctrl+O", FileOpen1Execute}, {"Ctrl+S", FileSave1Execute},
        {"Ctrl+X", nullptr},         {"Ctrl+C", nullptr},          {"Ctrl+V", nullptr},
    };
    for (const Case& c : cases) {
        const Command* command = shortcutCommand(c.key);
        ASSERT_NE(command, nullptr) << c.key;
        EXPECT_EQ(command->handler, c.handler) << c.key;
    }
    for (const char* key : {"Ctrl+n", "ctrl+N", "Ctrl+A", "Ctrl+Shift+S", "N", ""})
        EXPECT_EQ(shortcutCommand(key), nullptr) << key;
}

} // namespace
