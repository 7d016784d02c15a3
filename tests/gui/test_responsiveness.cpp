// How long the longest commands keep the window's event loop busy on a table of 30000 points: the
// command itself, then the turns that fill the table editors afterwards. The figures are reported
// (stdout and the test's properties); nothing is asserted about time.
#include "window_fixture.h"

#include "gui/control_sync.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <cmath>
#include <iostream>

namespace {

using ResponsivenessTest = WindowFixture;

TEST_F(ResponsivenessTest, LongestCommandsOnAFullTable)
{
    std::string table;
    for (int i = 0; i < 30000; ++i) {
        const double x = 4000 + i * 0.1;
        const double y = 1 + 0.5 * std::exp(-std::pow((x - 5500) / 20, 2)) + 0.0001 * (i % 17);
        table += std::to_string(x) + " " + std::to_string(y) + "\r\n";
    }
    const auto file = writeTable("full.txt", table);
    // Every message box is acknowledged at once, so only the commands' own work is timed.
    ui.setDialogRunner([this](QDialog& dialog) {
        seen.push_back(describeDialog(dialog));
        return static_cast<int>(QDialog::Accepted);
    });

    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const Step steps[] = {
        {"start-up (load, copy, preplot, plot)", [&] { window.start({file.string()}); }},
        {"Preplot", [&] { QTest::mouseClick(window.widget("Button1"), Qt::LeftButton); }},
        {"plot", [&] { QTest::mouseClick(window.widget("Button11"), Qt::LeftButton); }},
        {"Max-Min", [&] { QTest::mouseClick(window.widget("Button12"), Qt::LeftButton); }},
        {"regognise", [&] { QTest::mouseClick(window.widget("Button8"), Qt::LeftButton); }},
        {"pick", [&] { QTest::mouseRelease(window.widget("Image1"), Qt::LeftButton, Qt::NoModifier, {100, 300}); }},
        {"pick", [&] { QTest::mouseRelease(window.widget("Image1"), Qt::LeftButton, Qt::NoModifier, {700, 300}); }},
        {"FIT (fit, write an.txt, load the left table)", [&] { QTest::mouseClick(window.widget("Button15"), Qt::LeftButton); }},
        {"right table to left table", [&] { QTest::mouseClick(window.widget("BitBtn2"), Qt::LeftButton); }},
    };
    // An editor is read-only while it is being filled.
    auto* right = widget<QPlainTextEdit>("Memo1");
    auto* left = widget<QPlainTextEdit>("Memo2");
    const auto filling = [&] { return right->isReadOnly() || left->isReadOnly(); };

    qint64 longest = 0;
    for (const Step& step : steps) {
        QElapsedTimer timer;
        timer.start();
        step.run();
        const qint64 ms = timer.elapsed();
        longest = std::max(longest, ms);
        std::cout << "[ timing ] " << step.name << ": " << ms << " ms";
        RecordProperty(step.name, static_cast<int>(ms));

        if (filling()) {
            int turns = 0;
            qint64 longestTurn = 0;
            QElapsedTimer fill;
            fill.start();
            while (filling()) {
                QElapsedTimer turn;
                turn.start();
                QCoreApplication::processEvents();
                longestTurn = std::max(longestTurn, turn.elapsed());
                ++turns;
            }
            longest = std::max(longest, longestTurn);
            std::cout << "; table fill afterwards: " << turns << " turns, longest " << longestTurn << " ms, "
                      << fill.elapsed() << " ms in all";
            RecordProperty(std::string(step.name) + " fill_ms", static_cast<int>(fill.elapsed()));
            RecordProperty(std::string(step.name) + " fill_longest_turn_ms", static_cast<int>(longestTurn));
        }
        std::cout << "\n";
    }
    std::cout << "[ timing ] longest event-loop turn: " << longest << " ms\n";
    RecordProperty("longest_ms", static_cast<int>(longest));
    EXPECT_EQ(app->state.PointCount, 30000);
    EXPECT_EQ(app->controls.Memo2.lines.count(), 30000) << "the left table holds the full spectrum";
    EXPECT_EQ(tableFromEditor(*left), app->controls.Memo2.lines) << "and its editor shows all of it";
    EXPECT_EQ(seen, (std::vector<std::string>{"message: LOADED LEFT TABLE"}));
}

} // namespace
