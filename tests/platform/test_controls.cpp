#include "platform/controls.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Controls, StartAsDesigned)
{
    Controls controls;
    EXPECT_EQ(controls.Button1.text, "Preplot");
    EXPECT_EQ(controls.Button8.text, "regognise");
    EXPECT_FALSE(controls.Button10.visible) << "STORE is hidden at start";
    EXPECT_FALSE(controls.OleContainer1.visible);
    EXPECT_EQ(controls.Edit4.text, "TOP");
    EXPECT_EQ(controls.Edit8.text, "TITLE");
    EXPECT_EQ(controls.Edit10.text, "Z for red shift");
    EXPECT_EQ(controls.StaticText5.text, "N. OF TABLE");
    EXPECT_EQ(controls.CheckBox10.text, "Plot on ");
    EXPECT_EQ(controls.RadioButton6.text, "Three columns  Y= thrird column");
    EXPECT_EQ(controls.Memo1.lines.lines(), std::vector<std::string>{"Memo1"});
    EXPECT_EQ(controls.Memo2.lines.lines(), std::vector<std::string>{"Memo2"});
    EXPECT_EQ(controls.Image1.picture.raster().width(), 800);
    EXPECT_EQ(controls.Image1.picture.raster().height(), 600);
    for (const auto& [name, control] : controls.all())
        EXPECT_FALSE(control->checked) << name << " is clear at start";
}

TEST(Controls, EveryNameFindsItsOwnControlOnce)
{
    Controls controls;
    std::set<std::string_view> names;
    for (const auto& [name, control] : controls.all()) {
        EXPECT_TRUE(names.insert(name).second) << name << " listed twice";
        EXPECT_EQ(controls.find(name), control);
    }
    EXPECT_EQ(controls.find("Edit2"), &controls.Edit2);
    EXPECT_EQ(controls.find("Edit1")->kind, ControlKind::MenuItem) << "Edit1 is the Edit menu";
    EXPECT_EQ(controls.find("RadioButton3"), nullptr);
    EXPECT_EQ(controls.find("Button26"), nullptr);
}

TEST(Controls, TheFiveRadioButtonsAreOneExclusiveGroup)
{
    Controls controls;
    controls.selectRadio(controls.RadioButton1);
    EXPECT_TRUE(controls.RadioButton1.checked);
    controls.selectRadio(controls.RadioButton5);
    EXPECT_TRUE(controls.RadioButton5.checked);
    EXPECT_FALSE(controls.RadioButton1.checked) << "an open-file method clears \"abstraction \"";
    controls.selectRadio(controls.RadioButton2);
    EXPECT_TRUE(controls.RadioButton2.checked);
    EXPECT_FALSE(controls.RadioButton5.checked) << "\"div\" clears the open-file method";
    int checked = 0;
    for (Control* button : controls.radioGroup())
        checked += button->checked ? 1 : 0;
    EXPECT_EQ(checked, 1);
}

} // namespace
