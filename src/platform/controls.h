#pragma once

#include "platform/picture.h"
#include "platform/table_text.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

/** @brief What kind of control of the main window a control is. */
enum class ControlKind { ToolBar, ToolButton, ToolSeparator, Button, BitButton, CheckBox, RadioButton, Edit, Label, StaticText, GroupBox, RadioGroup, Panel, Memo, Picture, Container, MenuItem };

/** @brief The state of one control: its caption or edit text, whether it is shown, and (check boxes
 * and radio buttons) whether it is checked. */
struct Control {
    ControlKind kind;
    std::string text;
    bool visible = true;
    bool checked = false;
};

/** @brief A table control: its lines are the table text. */
struct MemoControl : Control {
    TableText lines;
};

/** @brief The plot picture control with its raster and canvas. */
struct PictureControl : Control {
    Picture picture;
};

/**
 * @brief The model of every control of the main window, as the window starts. The window binds its
 * widgets to this model and keeps no state of its own; handlers and tests read and write it directly.
 */
class Controls {
public:
    Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    /** @brief The control named `name`, or nullptr. */
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    /** @brief Every control with its name, in design order. */
    const std::vector<std::pair<std::string_view, Control*>>& all() const { return all_; }

    /** @brief Selects a radio button and clears the other four: they share one parent, the window. */
    void selectRadio(Control& radioButton);

    /** @brief The five radio buttons of the one exclusive group. */
    std::vector<Control*> radioGroup();

    Control ToolBar1{ControlKind::ToolBar, "", true, false};
    Control ToolButton1{ControlKind::ToolButton, "", true, false};
    Control ToolButton2{ControlKind::ToolButton, "", true, false};
    Control ToolButton3{ControlKind::ToolSeparator, "", true, false};
    Control ToolButton4{ControlKind::ToolButton, "", true, false};
    Control ToolButton5{ControlKind::ToolButton, "", true, false};
    Control ToolButton6{ControlKind::ToolButton, "", true, false};
    Control Button1{ControlKind::Button, "Preplot", true, false};
    Control Button2{ControlKind::Button, "OK", true, false};
    Control Button3{ControlKind::Button, "OK", true, false};
    Control Button4{ControlKind::Button, "OK", true, false};
    Control Button5{ControlKind::Button, "Show STORE", true, false};
    Control Button6{ControlKind::Button, "OK", true, false};
    Control Button7{ControlKind::Button, "OK", true, false};
    Control Button8{ControlKind::Button, "regognise", true, false};
    Control Button9{ControlKind::Button, "OK", true, false};
    Control Button10{ControlKind::Button, "STORE", false, false};
    Control Button11{ControlKind::Button, "plot", true, false};
    Control Button12{ControlKind::Button, "Max-Min", true, false};
    Control Button13{ControlKind::Button, "OK", true, false};
    Control Button14{ControlKind::Button, "OK", true, false};
    Control Button15{ControlKind::Button, "FIT", true, false};
    Control Button16{ControlKind::Button, "SAVE", true, false};
    Control Button17{ControlKind::Button, "SAVE", true, false};
    Control Button18{ControlKind::Button, "new", true, false};
    Control Button19{ControlKind::Button, "cut left right", true, false};
    Control Button20{ControlKind::Button, "load", true, false};
    Control Button21{ControlKind::Button, "Inport Continum", true, false};
    Control Button22{ControlKind::Button, "load original", true, false};
    Control Button23{ControlKind::Button, "Red shift", true, false};
    Control Button24{ControlKind::Button, "GO ON", true, false};
    Control Button25{ControlKind::Button, "ON LINE HELP", true, false};
    Control BitBtn1{ControlKind::BitButton, "", true, false};
    Control BitBtn2{ControlKind::BitButton, "", true, false};
    Control CheckBox1{ControlKind::CheckBox, "Dots Plot 1", true, false};
    Control CheckBox2{ControlKind::CheckBox, "Dots plot 2", true, false};
    Control CheckBox3{ControlKind::CheckBox, "Plot on", true, false};
    Control CheckBox4{ControlKind::CheckBox, "Tabs", true, false};
    Control CheckBox5{ControlKind::CheckBox, ": , to blanck", true, false};
    Control CheckBox6{ControlKind::CheckBox, "Red", true, false};
    Control CheckBox7{ControlKind::CheckBox, "Texts on", true, false};
    Control CheckBox8{ControlKind::CheckBox, "Points", true, false};
    Control CheckBox9{ControlKind::CheckBox, "Scuare Fig", true, false};
    Control CheckBox10{ControlKind::CheckBox, "Plot on ", true, false};
    Control CheckBox11{ControlKind::CheckBox, "PLOT THIS DATA", true, false};
    Control CheckBox12{ControlKind::CheckBox, "AUTO CALIBRATE", true, false};
    Control RadioButton1{ControlKind::RadioButton, "abstraction ", true, false};
    Control RadioButton2{ControlKind::RadioButton, "div", true, false};
    Control RadioButton4{ControlKind::RadioButton, "Only tow column", true, false};
    Control RadioButton5{ControlKind::RadioButton, "Three columns  Y= second column", true, false};
    Control RadioButton6{ControlKind::RadioButton, "Three columns  Y= thrird column", true, false};
    Control Edit2{ControlKind::Edit, "", true, false};
    Control Edit3{ControlKind::Edit, "", true, false};
    Control Edit4{ControlKind::Edit, "TOP", true, false};
    Control Edit5{ControlKind::Edit, "", true, false};
    Control Edit6{ControlKind::Edit, "", true, false};
    Control Edit7{ControlKind::Edit, "", true, false};
    Control Edit8{ControlKind::Edit, "TITLE", true, false};
    Control Edit9{ControlKind::Edit, "", true, false};
    Control Edit10{ControlKind::Edit, "Z for red shift", true, false};
    Control Label1{ControlKind::Label, "X start value", true, false};
    Control Label2{ControlKind::Label, "X step", true, false};
    Control Label3{ControlKind::Label, "Number of steps", true, false};
    Control Label4{ControlKind::Label, "Pixels per step", true, false};
    Control Label5{ControlKind::Label, "Y start value", true, false};
    Control Label6{ControlKind::Label, "Y step", true, false};
    Control Label7{ControlKind::Label, "Number of steps", true, false};
    Control Label8{ControlKind::Label, "Pixels per step", true, false};
    Control Label9{ControlKind::Label, "X=", true, false};
    Control Label10{ControlKind::Label, "Y=", true, false};
    Control Label11{ControlKind::Label, "Label11", true, false};
    Control Label12{ControlKind::Label, "Label12", true, false};
    Control Label13{ControlKind::Label, "k fit=", true, false};
    Control StaticText1{ControlKind::StaticText, "StaticText1", true, false};
    Control StaticText2{ControlKind::StaticText, "StaticText2", true, false};
    Control StaticText3{ControlKind::StaticText, "StaticText3", true, false};
    Control StaticText4{ControlKind::StaticText, "StaticText4", true, false};
    Control StaticText5{ControlKind::StaticText, "N. OF TABLE", true, false};
    Control StaticText6{ControlKind::StaticText, "StaticText6", true, false};
    Control StaticText7{ControlKind::StaticText, "StaticText7", true, false};
    Control GroupBox1{ControlKind::GroupBox, "AXIS X", true, false};
    Control GroupBox2{ControlKind::GroupBox, "AXIS Y", true, false};
    Control GroupBox3{ControlKind::GroupBox, "Plot 2", true, false};
    Control GroupBox4{ControlKind::GroupBox, "Hidden characters", true, false};
    Control RadioGroup1{ControlKind::RadioGroup, "Open file method", true, false};
    Control Panel1{ControlKind::Panel, "", true, false};
    MemoControl Memo1{{ControlKind::Memo, "", true, false}, TableText("Memo1")};
    MemoControl Memo2{{ControlKind::Memo, "", true, false}, TableText("Memo2")};
    PictureControl Image1{{ControlKind::Picture, "", true, false}, Picture()};
    Control OleContainer1{ControlKind::Container, "", false, false};
    Control File1{ControlKind::MenuItem, "&File", true, false};
    Control FileOpenItem{ControlKind::MenuItem, "&Open", true, false};
    Control FileSaveItem{ControlKind::MenuItem, "&Save as", true, false};
    Control N1{ControlKind::MenuItem, "-", true, false};
    Control FileExitItem{ControlKind::MenuItem, "E&xit", true, false};
    Control Edit1{ControlKind::MenuItem, "&Edit", true, false};
    Control CutItem{ControlKind::MenuItem, "Cu&t", true, false};
    Control CopyItem{ControlKind::MenuItem, "&Copy", true, false};
    Control PasteItem{ControlKind::MenuItem, "&Paste", true, false};
    Control Help1{ControlKind::MenuItem, "&Help", true, false};
    Control HelpAboutItem{ControlKind::MenuItem, "&About...", true, false};
    Control Help2{ControlKind::MenuItem, "Help", true, false};

private:
    std::vector<std::pair<std::string_view, Control*>> all_;
};
