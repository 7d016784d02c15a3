#include "platform/controls.h"

Controls::Controls()
{
    all_ = {
        {"ToolBar1", &ToolBar1},
        {"ToolButton1", &ToolButton1},
        {"ToolButton2", &ToolButton2},
        {"ToolButton3", &ToolButton3},
        {"ToolButton4", &ToolButton4},
        {"ToolButton5", &ToolButton5},
        {"ToolButton6", &ToolButton6},
        {"Button1", &Button1},
        {"Button2", &Button2},
        {"Button3", &Button3},
        {"Button4", &Button4},
        {"Button5", &Button5},
        {"Button6", &Button6},
        {"Button7", &Button7},
        {"Button8", &Button8},
        {"Button9", &Button9},
        {"Button10", &Button10},
        {"Button11", &Button11},
        {"Button12", &Button12},
        {"Button13", &Button13},
        {"Button14", &Button14},
        {"Button15", &Button15},
        {"Button16", &Button16},
        {"Button17", &Button17},
        {"Button18", &Button18},
        {"Button19", &Button19},
        {"Button20", &Button20},
        {"Button21", &Button21},
        {"Button22", &Button22},
        {"Button23", &Button23},
        {"Button24", &Button24},
        {"Button25", &Button25},
        {"BitBtn1", &BitBtn1},
        {"BitBtn2", &BitBtn2},
        {"CheckBox1", &CheckBox1},
        {"CheckBox2", &CheckBox2},
        {"CheckBox3", &CheckBox3},
        {"CheckBox4", &CheckBox4},
        {"CheckBox5", &CheckBox5},
        {"CheckBox6", &CheckBox6},
        {"CheckBox7", &CheckBox7},
        {"CheckBox8", &CheckBox8},
        {"CheckBox9", &CheckBox9},
        {"CheckBox10", &CheckBox10},
        {"CheckBox11", &CheckBox11},
        {"CheckBox12", &CheckBox12},
        {"RadioButton1", &RadioButton1},
        {"RadioButton2", &RadioButton2},
        {"RadioButton4", &RadioButton4},
        {"RadioButton5", &RadioButton5},
        {"RadioButton6", &RadioButton6},
        {"Edit2", &Edit2},
        {"Edit3", &Edit3},
        {"Edit4", &Edit4},
        {"Edit5", &Edit5},
        {"Edit6", &Edit6},
        {"Edit7", &Edit7},
        {"Edit8", &Edit8},
        {"Edit9", &Edit9},
        {"Edit10", &Edit10},
        {"Label1", &Label1},
        {"Label2", &Label2},
        {"Label3", &Label3},
        {"Label4", &Label4},
        {"Label5", &Label5},
        {"Label6", &Label6},
        {"Label7", &Label7},
        {"Label8", &Label8},
        {"Label9", &Label9},
        {"Label10", &Label10},
        {"Label11", &Label11},
        {"Label12", &Label12},
        {"Label13", &Label13},
        {"StaticText1", &StaticText1},
        {"StaticText2", &StaticText2},
        {"StaticText3", &StaticText3},
        {"StaticText4", &StaticText4},
        {"StaticText5", &StaticText5},
        {"StaticText6", &StaticText6},
        {"StaticText7", &StaticText7},
        {"GroupBox1", &GroupBox1},
        {"GroupBox2", &GroupBox2},
        {"GroupBox3", &GroupBox3},
        {"GroupBox4", &GroupBox4},
        {"RadioGroup1", &RadioGroup1},
        {"Panel1", &Panel1},
        {"Memo1", &Memo1},
        {"Memo2", &Memo2},
        {"Image1", &Image1},
        {"OleContainer1", &OleContainer1},
        {"File1", &File1},
        {"FileOpenItem", &FileOpenItem},
        {"FileSaveItem", &FileSaveItem},
        {"N1", &N1},
        {"FileExitItem", &FileExitItem},
        {"Edit1", &Edit1},
        {"CutItem", &CutItem},
        {"CopyItem", &CopyItem},
        {"PasteItem", &PasteItem},
        {"Help1", &Help1},
        {"HelpAboutItem", &HelpAboutItem},
        {"Help2", &Help2},
    };
}

Control* Controls::find(std::string_view name)
{
    for (auto& [controlName, control] : all_)
        if (controlName == name)
            return control;
    return nullptr;
}

const Control* Controls::find(std::string_view name) const
{
    return const_cast<Controls*>(this)->find(name);
}

std::vector<Control*> Controls::radioGroup()
{
    return {&RadioButton1, &RadioButton2, &RadioButton4, &RadioButton5, &RadioButton6};
}

void Controls::selectRadio(Control& radioButton)
{
    for (Control* button : radioGroup())
        button->checked = button == &radioButton;
}
