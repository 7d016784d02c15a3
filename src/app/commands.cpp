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
#include "table/axis_ranging.h"
#include "table/rescan.h"

#include <array>

namespace {

// The bindings of the window's design: buttons, tool buttons and menu items to their handlers.
constexpr std::array clickBindings{
    Command{"Button1", Button1Click},       Command{"Button2", Button2Click},
    Command{"Button3", Button3Click},       Command{"Button4", Button4Click},
    Command{"Button5", Button5Click},       Command{"Button6", Button6Click},
    Command{"Button7", Button7Click},       Command{"Button8", Button8Click},
    Command{"Button9", Button9Click},       Command{"Button10", Button10Click},
    Command{"Button11", Button11Click},     Command{"Button12", Button12Click},
    Command{"Button13", Button13Click},     Command{"Button14", Button14Click},
    Command{"Button15", Button15Click},     Command{"Button16", Button16Click},
    Command{"Button17", Button17Click},     Command{"Button18", Button18Click},
    Command{"Button19", Button19Click},     Command{"Button20", Button20Click},
    Command{"Button21", Button21Click},     Command{"Button22", Button22Click},
    Command{"Button23", Button23Click},     Command{"Button24", Button24Click},
    Command{"Button25", Button25Click},     Command{"BitBtn1", BitBtn1Click},
    Command{"BitBtn2", BitBtn2Click},       Command{"ToolButton1", FileOpen1Execute},
    Command{"ToolButton2", FileSave1Execute}, Command{"ToolButton4", nullptr},
    Command{"ToolButton5", nullptr},        Command{"ToolButton6", nullptr},
    Command{"FileOpenItem", FileOpen1Execute}, Command{"FileSaveItem", FileSave1Execute},
    Command{"FileExitItem", FileExit1Execute}, Command{"CutItem", nullptr},
    Command{"CopyItem", nullptr},           Command{"PasteItem", nullptr},
    Command{"HelpAboutItem", HelpAbout1Execute}, Command{"Help2", Help2Click},
};

// FileNew1 is reached only by its shortcut; FileSaveAs1 by nothing.
constexpr std::array shortcutBindings{
    Command{"Ctrl+N", FileNew1Execute}, Command{"Ctrl+O", FileOpen1Execute},
    Command{"Ctrl+S", FileSave1Execute}, Command{"Ctrl+X", nullptr},
    Command{"Ctrl+C", nullptr},         Command{"Ctrl+V", nullptr},
};

template <std::size_t N>
const Command* findCommand(const std::array<Command, N>& bindings, std::string_view name)
{
    for (const Command& command : bindings)
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace

const Command* clickCommand(std::string_view controlName)
{
    return findCommand(clickBindings, controlName);
}

const Command* shortcutCommand(std::string_view key)
{
    return findCommand(shortcutBindings, key);
}
