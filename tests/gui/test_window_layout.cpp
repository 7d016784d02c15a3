// The window as designed: caption, size, the controls at their places, menu, actions, tool bar.
#include "window_fixture.h"

#include "gui/icons.h"
#include "gui/window_design.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

using LayoutTest = WindowFixture;

struct Placed {
    const char* name;
    QRect bounds;
};

// Places the design gives, in the window's client coordinates.
const Placed DesignPlaces[] = {
    {"Image1", {240, 32, 777, 545}},     {"GroupBox1", {8, 56, 225, 177}},   {"GroupBox2", {8, 240, 225, 185}},
    {"GroupBox3", {8, 424, 225, 57}},    {"GroupBox4", {8, 488, 225, 41}},   {"RadioGroup1", {8, 592, 257, 89}},
    {"Panel1", {264, 584, 105, 41}},     {"Memo2", {376, 584, 305, 73}},     {"Memo1", {688, 584, 329, 73}},
    {"StaticText5", {16, 32, 0, 0}},     {"Button21", {112, 32, 0, 0}},      {"Label9", {16, 528, 0, 0}},
    {"Label10", {16, 552, 0, 0}},        {"Label13", {16, 568, 0, 0}},       {"Button15", {184, 528, 0, 0}},
    {"Button18", {184, 560, 0, 0}},      {"CheckBox10", {64, 568, 0, 0}},    {"RadioButton2", {136, 560, 0, 0}},
    {"RadioButton1", {136, 576, 0, 0}},  {"RadioButton4", {16, 608, 0, 0}},  {"RadioButton5", {16, 632, 0, 0}},
    {"RadioButton6", {16, 656, 0, 0}},   {"Button20", {264, 632, 0, 0}},     {"Button16", {328, 632, 0, 0}},
    {"Button19", {264, 648, 0, 0}},      {"Button22", {264, 664, 0, 0}},     {"CheckBox11", {384, 664, 0, 0}},
    {"BitBtn2", {544, 664, 0, 0}},       {"BitBtn1", {616, 664, 0, 0}},      {"CheckBox12", {696, 664, 0, 0}},
    {"Button17", {848, 664, 0, 0}},      {"Button24", {936, 664, 0, 0}},
};

TEST_F(LayoutTest, ControlsSitAtTheirDesignedPlaces)
{
    QWidget* client = window.centralWidget();
    for (const Placed& p : DesignPlaces) {
        QWidget* w = window.widget(p.name);
        ASSERT_NE(w, nullptr) << p.name;
        const QRect bounds(w->mapTo(client, QPoint(0, 0)), w->size());
        EXPECT_EQ(bounds.topLeft(), p.bounds.topLeft()) << p.name;
        if (!p.bounds.size().isEmpty()) {
            EXPECT_EQ(bounds.size(), p.bounds.size()) << p.name;
        }
    }
    EXPECT_EQ(window.widget("Image1")->cursor().shape(), Qt::CrossCursor);
}

TEST_F(LayoutTest, EveryControlOfTheModelHasItsWidgetOrMenuItemAndTheWidgetsFitTheClientArea)
{
    const QRect client(0, 0, ClientWidth, ClientHeight);
    for (const auto& [name, control] : app->controls.all()) {
        if (control->kind == ControlKind::MenuItem) {
            EXPECT_TRUE(window.menuItem(name) != nullptr || window.menuBar()->findChild<QMenu*>(QString::fromLatin1(name.data(), name.size())) != nullptr) << name;
            continue;
        }
        QWidget* w = window.widget(name);
        ASSERT_NE(w, nullptr) << name;
        const QRect bounds(w->mapTo(window.centralWidget(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(client.contains(bounds)) << name;
    }
}

TEST_F(LayoutTest, CaptionSizeAndHiddenControls)
{
    EXPECT_EQ(window.windowTitle(), "SDI Application");
    EXPECT_EQ(window.centralWidget()->size(), QSize(ClientWidth, ClientHeight));
    EXPECT_EQ(window.widget("ToolBar1")->geometry(), QRect(0, 0, ClientWidth, 30));
    EXPECT_FALSE(shown("Button10"));
    EXPECT_FALSE(shown("OleContainer1"));
    EXPECT_EQ(window.widget("OleContainer1")->size(), QSize(25, 22));
    EXPECT_EQ(window.widget("OleContainer1")->parentWidget(), window.widget("ToolBar1"));
}

TEST_F(LayoutTest, ToolButtonsShowTheirActionsIconAndShortHint)
{
    const std::pair<const char*, const char*> tips[] = {{"ToolButton1", "Open"}, {"ToolButton2", "Save"},
                                                        {"ToolButton4", "Cut"},  {"ToolButton5", "Copy"},
                                                        {"ToolButton6", "Paste"}};
    for (const auto& [name, tip] : tips) {
        auto* button = widget<QToolButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), tip) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
    for (const char* onTheBar : {"Button1", "Button12", "Button11", "Button8", "CheckBox1", "CheckBox2", "CheckBox7",
                                 "CheckBox8", "CheckBox9", "Button25"})
        EXPECT_EQ(window.widget(onTheBar)->parentWidget(), window.widget("ToolBar1")) << onTheBar;
}

TEST_F(LayoutTest, TheMainMenuHasItsItemsAccessLettersShortcutsAndIcons)
{
    struct Item {
        const char* name;
        const char* text;
        bool icon;
    };
    const Item items[] = {
        {"FileOpenItem", "&Open\tCtrl+O", true}, {"FileSaveItem", "&Save as\tCtrl+S", true},
        {"FileExitItem", "E&xit", false},        {"CutItem", "Cu&t\tCtrl+X", true},
        {"CopyItem", "&Copy\tCtrl+C", true},     {"PasteItem", "&Paste\tCtrl+V", true},
        {"HelpAboutItem", "&About...", false},   {"Help2", "Help", false},
    };
    for (const Item& item : items) {
        QAction* action = window.menuItem(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.text) << item.name;
        EXPECT_EQ(!action->icon().isNull(), item.icon) << item.name;
        EXPECT_TRUE(action->shortcut().isEmpty()) << "shortcuts belong to the window's actions: " << item.name;
    }
    EXPECT_TRUE(window.menuItem("N1")->isSeparator());
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Help"}));
}

TEST_F(LayoutTest, SaveAsExistsButIsBoundToNothing)
{
    QAction* saveAs = window.action("FileSaveAs1");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_TRUE(saveAs->shortcut().isEmpty());
    EXPECT_FALSE(window.actions().contains(saveAs));
    EXPECT_TRUE(saveAs->associatedObjects().isEmpty());
    for (const char* name : {"FileNew1", "FileOpen1", "FileSave1", "EditCut1", "EditCopy1", "EditPaste1"})
        EXPECT_TRUE(window.actions().contains(window.action(name))) << name;
}

TEST(ImageList, HasFifteenDistinctSixteenPixelPictures)
{
    std::vector<QImage> pictures;
    for (int i = 0; i < ImageListCount; ++i) {
        const QPixmap picture = imageListPicture(i);
        ASSERT_EQ(picture.size(), QSize(16, 16)) << i;
        pictures.push_back(picture.toImage());
        for (int j = 0; j < i; ++j)
            EXPECT_NE(pictures[static_cast<std::size_t>(j)], pictures.back()) << j << " and " << i;
    }
    EXPECT_TRUE(imageListPicture(ImageListCount).isNull());
    EXPECT_TRUE(imageListPicture(-1).isNull());
}

} // namespace
