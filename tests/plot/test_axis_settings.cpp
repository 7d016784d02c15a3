#include "picture_checks.h"

#include "plot/axis_settings.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Handler = void (*)(App&);

struct ValueCase {
    const char* what;
    Handler handler;
    Control Controls::*edit;
    Extended AppState::*field;
    Control Controls::*endDisplay;
    const char* text;
    const char* workText; // the text as converted: '.' made ','
    Extended value;
    const char* shown;
    const char* end; // with 10 steps of 100 from 4000 (X) or of 0.1 from 0 (Y), the field replaced
};

TEST(AxisValues, StoreRewriteAndShowTheEnd)
{
    const ValueCase cases[] = {
        {"X step with a point", Button2Click, &Controls::Edit5, &AppState::XStep, &Controls::StaticText6, "0.5", "0,5",
         0.5L, "0,5", "4005"},
        {"X step with a comma", Button2Click, &Controls::Edit5, &AppState::XStep, &Controls::StaticText6, "0,5", "0,5",
         0.5L, "0,5", "4005"},
        {"X start, trailing zero", Button3Click, &Controls::Edit2, &AppState::XStart, &Controls::StaticText6, "2.50",
         "2,50", 2.5L, "2,5", "1002,5"},
        {"Y start, negative", Button6Click, &Controls::Edit6, &AppState::YStart, &Controls::StaticText7, "-0.5",
         "-0,5", -0.5L, "-0,5", "0,5"},
        {"Y step, exponent", Button9Click, &Controls::Edit9, &AppState::YStep, &Controls::StaticText7, "2.5e-1",
         "2,5e-1", 0.25L, "0,25", "2,5"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExampleAxes(t.state);
        t.state.XPixelsPerStep = 11;
        t.state.YPixelsPerStep = 12;
        (t.controls.*c.edit).text = c.text;
        t.run(c.handler);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
        EXPECT_EQ(t.state.*c.field, c.value);
        EXPECT_EQ((t.controls.*c.edit).text, c.shown);
        EXPECT_EQ((t.controls.*c.endDisplay).text, c.end);
        EXPECT_EQ(t.app->DecimalSeparator, ',');
        EXPECT_EQ(t.state.XText, c.workText);
        EXPECT_EQ(t.state.XPixelsPerStep, 11) << "pixels per step are left alone";
        EXPECT_EQ(t.state.YPixelsPerStep, 12);
    }
}

TEST(AxisValues, StartBeforeAnyStepsShowsItselfAsTheEnd)
{
    TestApp t;
    t.controls.Edit2.text = "4000";
    t.run(Button3Click);
    EXPECT_EQ(t.controls.StaticText6.text, "4000");
}

struct CountCase {
    const char* what;
    Handler handler;
    Control Controls::*edit;
    const char* text;
    std::int32_t steps;
    std::int32_t pixels;
    const char* shown;
    const char* end;
};

TEST(AxisStepCounts, StoreTheCountAndItsPixelsPerStep)
{
    const CountCase cases[] = {
        {"X ten", Button4Click, &Controls::Edit3, "10", 10, 70, "10", "5000"},
        {"X three", Button4Click, &Controls::Edit3, "3", 3, 233, "3", "4300"},
        {"X more than the axis", Button4Click, &Controls::Edit3, "701", 701, 0, "701", "74100"},
        {"X negative", Button4Click, &Controls::Edit3, "-3", -3, -233, "-3", "3700"},
        {"Y ten", Button7Click, &Controls::Edit7, "10", 10, 45, "10", "1"},
        {"Y seven, leading zeros", Button7Click, &Controls::Edit7, "007", 7, 64, "7", "0,7"},
        {"Y more than the axis", Button7Click, &Controls::Edit7, "451", 451, 0, "451", "45,1"},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExampleAxes(t.state);
        (t.controls.*c.edit).text = c.text;
        t.run(c.handler);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
        const bool x = c.handler == Button4Click;
        EXPECT_EQ(x ? t.state.XSteps : t.state.YSteps, c.steps);
        EXPECT_EQ(x ? t.state.XPixelsPerStep : t.state.YPixelsPerStep, c.pixels);
        EXPECT_EQ((t.controls.*c.edit).text, c.shown);
        EXPECT_EQ((x ? t.controls.StaticText6 : t.controls.StaticText7).text, c.end);
        EXPECT_EQ((x ? t.controls.Label11 : t.controls.Label12).text, std::to_string(c.pixels));
        EXPECT_EQ(t.state.XText, c.text);
        EXPECT_EQ(t.app->DecimalSeparator, ',');
    }
}

struct RefusedCase {
    const char* what;
    Handler handler;
    Control Controls::*edit;
    const char* text;
    const char* error; // part of the reported text
};

TEST(AxisSettingsRefused, KeepEverythingButSeparatorAndWorkString)
{
    const RefusedCase cases[] = {
        {"empty step", Button2Click, &Controls::Edit5, "", "not a valid floating point value"},
        {"letters as start", Button3Click, &Controls::Edit2, "abc", "not a valid floating point value"},
        {"two separators", Button6Click, &Controls::Edit6, "1.2,3", "not a valid floating point value"},
        {"fraction as X count", Button4Click, &Controls::Edit3, "2.5", "not a valid integer value"},
        {"zero X steps", Button4Click, &Controls::Edit3, "0", "The number of steps must not be 0"},
        {"zero Y steps", Button7Click, &Controls::Edit7, "-0", "The number of steps must not be 0"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExampleAxes(t.state);
        const AppState before = t.state;
        for (Control* display : {&t.controls.StaticText6, &t.controls.StaticText7, &t.controls.Label11,
                                 &t.controls.Label12})
            display->text = "shown before";
        (t.controls.*c.edit).text = c.text;
        t.run(c.handler);
        const std::vector<std::string> seen = t.takeSeen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
        EXPECT_NE(seen[0].find(c.error), std::string::npos) << seen[0];
        EXPECT_EQ((t.controls.*c.edit).text, c.text);
        for (const Control* display : {&t.controls.StaticText6, &t.controls.StaticText7, &t.controls.Label11,
                                       &t.controls.Label12})
            EXPECT_EQ(display->text, "shown before");
        EXPECT_EQ(t.state.XStart, before.XStart);
        EXPECT_EQ(t.state.XStep, before.XStep);
        EXPECT_EQ(t.state.XSteps, before.XSteps);
        EXPECT_EQ(t.state.XPixelsPerStep, before.XPixelsPerStep);
        EXPECT_EQ(t.state.YStart, before.YStart);
        EXPECT_EQ(t.state.YStep, before.YStep);
        EXPECT_EQ(t.state.YSteps, before.YSteps);
        EXPECT_EQ(t.state.YPixelsPerStep, before.YPixelsPerStep);
        EXPECT_EQ(t.app->DecimalSeparator, ',');
    }
}

TEST(TitleButtons, StampTheTitlesAtTheirPoints)
{
    TestApp t;
    t.controls.Edit4.text = "bottom";
    t.run(Button14Click);
    EXPECT_TRUE(textAt(t.controls.Image1.picture.raster(), 250, 520, "bottom"));

    t.controls.Edit8.text = "AAAA";
    t.run(Button13Click);
    t.controls.Edit8.text = "BB";
    t.run(Button13Click);
    const Raster& p = t.controls.Image1.picture.raster();
    EXPECT_TRUE(textAt(p, 250, 20, "BB")) << "the second text over the first";
    EXPECT_TRUE(textAt(p, 262, 20, "AA")) << "the rest of the first stays";
}

} // namespace
