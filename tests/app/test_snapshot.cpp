#include "app/snapshot.h"

#include "platform/number_c_locale.h"
#include "script/json_reader.h"
#include "support/test_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

JsonValue snapshotOf(const TestApp& t, bool closed = false)
{
    return JsonReader::parse(snapshotJson(*t.app, closed));
}

TEST(Snapshot, StateHoldsEveryFieldUnderItsOwnNameInDeclaredOrder)
{
    TestApp t;
    const std::vector<std::string> expected{
        "LineText",      "XText",          "YText",          "RestText",      "CommandLinePath", "SpectrumX",
        "SpectrumY",     "SecondX",        "SecondY",        "ResultX",       "ResultY",         "MaxX",
        "MinX",          "MaxY",           "MinY",           "XStart",        "XCeiling",        "XStep",
        "YStart",        "YCeiling",       "YStep",          "TableCount",    "XSteps",          "YSteps",
        "XPixelsPerStep", "YPixelsPerStep", "XAxisEndPixel", "YAxisEndPixel", "PointPixelX",     "PointPixelY",
        "PointCount",    "SecondCount",    "CalibratorMode", "PickCount",     "XAxisEnd",        "YAxisEnd",
        "PickX",         "PickY",          "FitIntercept",   "FitSlope",      "LastPickY"};
    const JsonValue snapshot = snapshotOf(t);
    std::vector<std::string> names;
    for (const auto& member : snapshot["state"].members)
        names.push_back(member.name);
    EXPECT_EQ(names, expected);

    std::vector<std::string> top;
    for (const auto& member : snapshot.members)
        top.push_back(member.name);
    EXPECT_EQ(top, (std::vector<std::string>{"state", "decimalSeparator", "controls", "picture", "closed"}));
}

TEST(Snapshot, KindsOfValuesAtStartAndAfterChanges)
{
    TestApp t(TempDrive::Layout::Installed, ',');
    JsonValue state = snapshotOf(t)["state"];
    EXPECT_EQ(state["PointCount"].type, JsonValue::Type::Number);
    EXPECT_EQ(state["PointCount"].text, "0");
    EXPECT_EQ(state["MaxX"].type, JsonValue::Type::String);
    EXPECT_EQ(state["MaxX"].text, "0");
    EXPECT_EQ(state["SpectrumX"].type, JsonValue::Type::Array);
    EXPECT_TRUE(state["SpectrumX"].items.empty());
    EXPECT_EQ(state["LineText"].text, "");

    t.state.PointCount = -7;
    t.state.XStart = 6463.5L;
    t.state.YStep = -0.25L;
    t.state.CommandLinePath = "/data/a b.txt";
    state = snapshotOf(t)["state"];
    EXPECT_EQ(state["PointCount"].text, "-7");
    EXPECT_EQ(state["XStart"].text, "6463.5");
    EXPECT_EQ(state["YStep"].text, "-0.25");
    EXPECT_EQ(state["CommandLinePath"].text, "/data/a b.txt");
    EXPECT_EQ(snapshotOf(t)["decimalSeparator"].text, ",");
}

TEST(Snapshot, ExtendedValuesReadBackExactly)
{
    const long double values[] = {
        0.0L,
        1.0L,
        0.1L,
        1.0L / 3.0L,
        -2.0L / 7.0L,
        6563.123456789012345678L,
        std::nextafter(1.0L, 2.0L),
        std::nextafter(1.0L, 0.0L),
        1e-300L,
        1e4000L,
        LDBL_MAX,
        LDBL_MIN,
        std::numeric_limits<long double>::denorm_min(),
        static_cast<long double>(5504.28564453125f),
    };
    for (const long double value : values) {
        const std::string text = extendedText(value);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        const long double back = strtold_l(text.c_str(), nullptr, cLocale());
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(extendedText(6463.0L), "6463");
    EXPECT_EQ(extendedText(0.5L), "0.5");
    EXPECT_EQ(extendedText(-0.0L), "-0");
}

TEST(Snapshot, ArraysRunToTheirLastEntryThatIsNotZero)
{
    TestApp t;
    t.state.PointCount = 1;
    t.state.SpectrumX[0] = 1.5L;
    t.state.SpectrumX[2] = 3; // left by a longer table scanned earlier
    t.state.SecondY[MaxPoints - 1] = -1;
    t.state.PickX[PickCapacity - 1] = 2;
    t.state.ResultX[0] = 0;
    const JsonValue state = snapshotOf(t)["state"];
    EXPECT_EQ(state["SpectrumX"].strings(), (std::vector<std::string>{"1.5", "0", "3"}));
    EXPECT_TRUE(state["SpectrumY"].items.empty());
    EXPECT_TRUE(state["ResultX"].items.empty());
    EXPECT_EQ(state["SecondY"].items.size(), static_cast<std::size_t>(MaxPoints));
    EXPECT_EQ(state["SecondY"].items.back().text, "-1");
    EXPECT_EQ(state["PickX"].items.size(), static_cast<std::size_t>(PickCapacity));
    EXPECT_TRUE(state["PickY"].items.empty());
}

TEST(Snapshot, FullArraysOfThirtyThousandPoints)
{
    TestApp t;
    for (int i = 0; i < MaxPoints; ++i) {
        t.state.SpectrumX[i] = 4000 + i / 3.0L;
        t.state.SpectrumY[i] = 1 + i;
        t.state.SecondX[i] = t.state.ResultX[i] = t.state.SpectrumX[i];
        t.state.SecondY[i] = t.state.ResultY[i] = 1.0L / (i + 1);
    }
    const JsonValue state = snapshotOf(t)["state"];
    for (const char* name : {"SpectrumX", "SpectrumY", "SecondX", "SecondY", "ResultX", "ResultY"})
        ASSERT_EQ(state[name].items.size(), static_cast<std::size_t>(MaxPoints)) << name;
    EXPECT_EQ(strtold_l(state["SpectrumX"].items[29999].text.c_str(), nullptr, cLocale()), t.state.SpectrumX[29999]);
    EXPECT_EQ(strtold_l(state["ResultY"].items[12345].text.c_str(), nullptr, cLocale()), t.state.ResultY[12345]);
}

TEST(Snapshot, TextsEscapeControlCharactersAndWriteLatin1AsUtf8)
{
    struct Case {
        std::string bytes;
        std::string json; // as written, quotes included
    } cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
        {std::string("\x01\x1f\b\f", 4), "\"\\u0001\\u001f\\u0008\\u000c\""},
        {std::string("nul\0end", 7), "\"nul\\u0000end\""},
        {"\x7f", "\"\x7f\""},
        {"\x80\xA0\xE9\xFF", "\"\xC2\x80\xC2\xA0\xC3\xA9\xC3\xBF\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        std::string out;
        appendJsonString(out, c.bytes);
        EXPECT_EQ(out, c.json);
    }
}

TEST(Snapshot, ControlsWithTextVisibilityCheckedStateAndTableLines)
{
    TestApp t;
    t.controls.Edit8.text = "Spectrum \xE9t\xE9 \"1\"";
    t.controls.CheckBox3.checked = true;
    t.controls.selectRadio(t.controls.RadioButton5);
    t.controls.Memo2.lines.setText("10 1.5\r\n\t11 1,6\r\n");
    t.state.LineText = "\xB0";
    const JsonValue snapshot = snapshotOf(t, true);
    const JsonValue& controls = snapshot["controls"];

    std::vector<std::string> names;
    for (const auto& member : controls.members)
        names.push_back(member.name);
    std::vector<std::string> expected;
    for (const auto& [name, control] : t.controls.all())
        expected.emplace_back(name);
    EXPECT_EQ(names, expected);

    for (const auto& [name, control] : t.controls.all()) {
        const JsonValue& entry = controls[name];
        const bool checkable = control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton;
        EXPECT_EQ(entry.has("checked"), checkable) << name;
        EXPECT_EQ(entry.has("lines"), control->kind == ControlKind::Memo) << name;
        EXPECT_EQ(entry["visible"].boolean, control->visible) << name;
    }
    EXPECT_EQ(controls["Edit8"]["text"].text, "Spectrum \u00e9t\u00e9 \"1\"");
    EXPECT_EQ(controls["Button1"]["text"].text, "Preplot");
    EXPECT_FALSE(controls["Button10"]["visible"].boolean);
    EXPECT_TRUE(controls["CheckBox3"]["checked"].boolean);
    EXPECT_FALSE(controls["CheckBox4"]["checked"].boolean);
    EXPECT_TRUE(controls["RadioButton5"]["checked"].boolean);
    EXPECT_EQ(controls["Memo1"]["lines"].strings(), (std::vector<std::string>{"Memo1"}));
    EXPECT_EQ(controls["Memo2"]["lines"].strings(), (std::vector<std::string>{"10 1.5", "\t11 1,6"}));
    EXPECT_EQ(snapshot["state"]["LineText"].text, "\u00b0");
    EXPECT_EQ(snapshot["picture"]["width"].integer(), 800);
    EXPECT_EQ(snapshot["picture"]["height"].integer(), 600);
    EXPECT_EQ(snapshot["picture"]["bitsPerPixel"].integer(), 4);
    EXPECT_TRUE(snapshot["closed"].boolean);
    EXPECT_EQ(snapshot["decimalSeparator"].text, ".");
}

} // namespace
