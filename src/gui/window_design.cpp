#include "gui/window_design.h"

#include <array>

namespace {

// Positions the window's design gives are used as they are; the rows inside the group boxes and
// along the tool bar are laid out in the same style.
constexpr std::array places{
    // Tool bar along the top edge.
    ControlPlace{"ToolBar1", "", 0, 0, ClientWidth, 30},
    ControlPlace{"ToolButton1", "ToolBar1", 2, 4, 23, 22},
    ControlPlace{"ToolButton2", "ToolBar1", 25, 4, 23, 22},
    ControlPlace{"ToolButton3", "ToolBar1", 50, 4, 8, 22},
    ControlPlace{"ToolButton4", "ToolBar1", 60, 4, 23, 22},
    ControlPlace{"ToolButton5", "ToolBar1", 83, 4, 23, 22},
    ControlPlace{"ToolButton6", "ToolBar1", 106, 4, 23, 22},
    ControlPlace{"Button1", "ToolBar1", 136, 4, 57, 22},
    ControlPlace{"Button12", "ToolBar1", 195, 4, 57, 22},
    ControlPlace{"Button11", "ToolBar1", 254, 4, 45, 22},
    ControlPlace{"Button8", "ToolBar1", 301, 4, 65, 22},
    ControlPlace{"CheckBox1", "ToolBar1", 374, 6, 82, 18},
    ControlPlace{"CheckBox2", "ToolBar1", 458, 6, 82, 18},
    ControlPlace{"CheckBox7", "ToolBar1", 542, 6, 70, 18},
    ControlPlace{"CheckBox8", "ToolBar1", 614, 6, 58, 18},
    ControlPlace{"CheckBox9", "ToolBar1", 674, 6, 82, 18},
    ControlPlace{"Button25", "ToolBar1", 762, 4, 89, 22},
    ControlPlace{"OleContainer1", "ToolBar1", 855, 4, 25, 22},

    // Left side, top.
    ControlPlace{"StaticText5", "", 16, 32, 94, 17},
    ControlPlace{"Button21", "", 112, 32, 121, 21},

    ControlPlace{"GroupBox1", "", 8, 56, 225, 177},
    ControlPlace{"Label1", "GroupBox1", 8, 18, 90, 14},
    ControlPlace{"Edit2", "GroupBox1", 100, 15, 77, 20},
    ControlPlace{"Button3", "GroupBox1", 180, 15, 37, 20},
    ControlPlace{"Label3", "GroupBox1", 8, 40, 90, 14},
    ControlPlace{"Edit3", "GroupBox1", 100, 37, 77, 20},
    ControlPlace{"Button4", "GroupBox1", 180, 37, 37, 20},
    ControlPlace{"Label4", "GroupBox1", 8, 62, 90, 14},
    ControlPlace{"Label11", "GroupBox1", 100, 62, 117, 14},
    ControlPlace{"Label2", "GroupBox1", 8, 83, 90, 14},
    ControlPlace{"Edit5", "GroupBox1", 100, 80, 77, 20},
    ControlPlace{"Button2", "GroupBox1", 180, 80, 37, 20},
    ControlPlace{"StaticText1", "GroupBox1", 8, 104, 104, 17},
    ControlPlace{"StaticText3", "GroupBox1", 114, 104, 104, 17},
    ControlPlace{"StaticText6", "GroupBox1", 8, 124, 209, 17},
    ControlPlace{"Edit4", "GroupBox1", 8, 146, 169, 20},
    ControlPlace{"Button14", "GroupBox1", 180, 146, 37, 20},

    ControlPlace{"GroupBox2", "", 8, 240, 225, 185},
    ControlPlace{"Label5", "GroupBox2", 8, 18, 90, 14},
    ControlPlace{"Edit6", "GroupBox2", 100, 15, 77, 20},
    ControlPlace{"Button6", "GroupBox2", 180, 15, 37, 20},
    ControlPlace{"Label7", "GroupBox2", 8, 40, 90, 14},
    ControlPlace{"Edit7", "GroupBox2", 100, 37, 77, 20},
    ControlPlace{"Button7", "GroupBox2", 180, 37, 37, 20},
    ControlPlace{"Label8", "GroupBox2", 8, 62, 90, 14},
    ControlPlace{"Label12", "GroupBox2", 100, 62, 117, 14},
    ControlPlace{"Label6", "GroupBox2", 8, 83, 90, 14},
    ControlPlace{"Edit9", "GroupBox2", 100, 80, 77, 20},
    ControlPlace{"Button9", "GroupBox2", 180, 80, 37, 20},
    ControlPlace{"StaticText2", "GroupBox2", 8, 104, 104, 17},
    ControlPlace{"StaticText4", "GroupBox2", 114, 104, 104, 17},
    ControlPlace{"StaticText7", "GroupBox2", 8, 124, 209, 17},
    ControlPlace{"Edit8", "GroupBox2", 8, 146, 169, 20},
    ControlPlace{"Button13", "GroupBox2", 180, 146, 37, 20},

    ControlPlace{"GroupBox3", "", 8, 424, 225, 57},
    ControlPlace{"Button10", "GroupBox3", 8, 18, 56, 25},
    ControlPlace{"Button5", "GroupBox3", 68, 18, 72, 25},
    ControlPlace{"CheckBox3", "GroupBox3", 146, 15, 72, 17},
    ControlPlace{"CheckBox6", "GroupBox3", 146, 34, 72, 17},

    ControlPlace{"GroupBox4", "", 8, 488, 225, 41},
    ControlPlace{"CheckBox4", "GroupBox4", 8, 18, 60, 17},
    ControlPlace{"CheckBox5", "GroupBox4", 76, 18, 140, 17},

    // Fit controls.
    ControlPlace{"Label9", "", 16, 528, 160, 14},
    ControlPlace{"Label10", "", 16, 552, 118, 14},
    ControlPlace{"Label13", "", 16, 568, 46, 14},
    ControlPlace{"Button15", "", 184, 528, 41, 25},
    ControlPlace{"CheckBox10", "", 64, 568, 70, 17},
    ControlPlace{"RadioButton2", "", 136, 560, 46, 16},
    ControlPlace{"RadioButton1", "", 136, 576, 88, 16},
    ControlPlace{"Button18", "", 184, 560, 41, 16},

    // Open-file method: the frame first, the radio buttons drawn over it.
    ControlPlace{"RadioGroup1", "", 8, 592, 257, 89},
    ControlPlace{"RadioButton4", "", 16, 608, 240, 17},
    ControlPlace{"RadioButton5", "", 16, 632, 240, 17},
    ControlPlace{"RadioButton6", "", 16, 656, 240, 17},

    // Bottom row.
    ControlPlace{"Panel1", "", 264, 584, 105, 41},
    ControlPlace{"Edit10", "Panel1", 4, 2, 97, 18},
    ControlPlace{"Button23", "Panel1", 4, 21, 97, 18},
    ControlPlace{"Button20", "", 264, 632, 62, 16},
    ControlPlace{"Button16", "", 328, 632, 41, 16},
    ControlPlace{"Button19", "", 264, 648, 105, 16},
    ControlPlace{"Button22", "", 264, 664, 105, 16},
    ControlPlace{"Memo2", "", 376, 584, 305, 73},
    ControlPlace{"CheckBox11", "", 384, 664, 124, 17},
    ControlPlace{"BitBtn2", "", 544, 664, 65, 21},
    ControlPlace{"BitBtn1", "", 616, 664, 65, 21},
    ControlPlace{"Memo1", "", 688, 584, 329, 73},
    ControlPlace{"CheckBox12", "", 696, 664, 124, 17},
    ControlPlace{"Button17", "", 848, 664, 75, 21},
    ControlPlace{"Button24", "", 936, 664, 75, 21},

    // The plot picture.
    ControlPlace{"Image1", "", 240, 32, 777, 545},
};

constexpr std::array actions{
    ActionDesign{"FileNew1", "&New", "Ctrl+N", 6, ""},
    ActionDesign{"FileOpen1", "&Open", "Ctrl+O", 7, "Open|Open a file"},
    ActionDesign{"FileSave1", "&Save", "Ctrl+S", 8, "Save|Save current file"},
    ActionDesign{"FileSaveAs1", "Save &As...", "", -1, ""},
    ActionDesign{"FileExit1", "E&xit", "", -1, ""},
    ActionDesign{"EditCut1", "Cu&t", "Ctrl+X", 0, "Cut|Cuts the selection and puts it on the Clipboard"},
    ActionDesign{"EditCopy1", "&Copy", "Ctrl+C", 1, "Copy|Copies the selection and puts it on the Clipboard"},
    ActionDesign{"EditPaste1", "&Paste", "Ctrl+V", 2, "Paste|Inserts Clipboard contents"},
    ActionDesign{"HelpAbout1", "&About...", "", -1, ""},
};

constexpr std::array toolButtonActions{
    ActionUse{"ToolButton1", "FileOpen1"}, ActionUse{"ToolButton2", "FileSave1"},
    ActionUse{"ToolButton4", "EditCut1"},  ActionUse{"ToolButton5", "EditCopy1"},
    ActionUse{"ToolButton6", "EditPaste1"},
};

constexpr std::array fileItems{
    ActionUse{"FileOpenItem", "FileOpen1"},
    ActionUse{"FileSaveItem", "FileSave1"},
    ActionUse{"N1", ""},
    ActionUse{"FileExitItem", "FileExit1"},
};
constexpr std::array editItems{
    ActionUse{"CutItem", "EditCut1"},
    ActionUse{"CopyItem", "EditCopy1"},
    ActionUse{"PasteItem", "EditPaste1"},
};
constexpr std::array helpItems{
    ActionUse{"HelpAboutItem", "HelpAbout1"},
    ActionUse{"Help2", ""},
};

constexpr std::array menus{
    MenuDesign{"File1", fileItems},
    MenuDesign{"Edit1", editItems},
    MenuDesign{"Help1", helpItems},
};

} // namespace

std::span<const ControlPlace> controlPlaces()
{
    return places;
}

std::span<const ActionDesign> actionList()
{
    return actions;
}

const ActionDesign* findAction(std::string_view name)
{
    for (const ActionDesign& action : actions)
        if (action.name == name)
            return &action;
    return nullptr;
}

std::span<const ActionUse> toolButtons()
{
    return toolButtonActions;
}

std::span<const MenuDesign> mainMenu()
{
    return menus;
}

std::string_view tooltipOf(std::string_view hint)
{
    return hint.substr(0, hint.find('|'));
}
