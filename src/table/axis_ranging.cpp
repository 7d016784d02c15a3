#include "table/axis_ranging.h"

#include "platform/number_conversions.h"
#include "table/scan_table.h"

#include <string>

namespace {

constexpr int StepCount = 10;

// The fields and controls of one axis group, so that X and Y share one procedure.
struct AxisGroup {
    Axis axis;
    const char* name;
    int lengthInPixels;
    Extended min;
    Extended max;
    Extended& start;
    Extended& ceiling;
    Extended& step;
    std::int32_t& steps;
    std::int32_t& pixelsPerStep;
    Extended& axisEnd;
    Control& startEdit;
    Control& stepEdit;
    Control& stepsEdit;
    Control& pixelsLabel;
    Control& endText;
};

void rangeGroup(App& app, const AxisGroup& group)
{
    const AxisRange range = rangeAxis(group.min, group.max, group.axis);
    if (!range.problem.empty()) {
        app.ui.showMessage(std::string("Cannot range the ") + group.name +
                           " axis: " + std::string(range.problem));
        return;
    }
    const char separator = app.DecimalSeparator;
    group.start = range.start;
    group.ceiling = range.ceiling;
    group.step = range.step;
    group.startEdit.text = FloatToStr(group.start, separator);
    group.stepEdit.text = FloatToStr(group.step, separator);
    group.stepsEdit.text = IntToStr(StepCount);
    group.steps = StepCount;
    group.pixelsPerStep = group.lengthInPixels / group.steps;
    group.pixelsLabel.text = IntToStr(group.pixelsPerStep);
    group.axisEnd = static_cast<Extended>(group.steps) * group.step + group.start;
    group.endText.text = FloatToStr(group.axisEnd, separator);
}

} // namespace

bool Preplot(App& app)
{
    app.state.XPixelsPerStep = 10;
    app.state.YPixelsPerStep = 10;
    if (!ScanTable(app))
        return false;
    if (app.state.TableCount != 0) {
        FindExtremes(app);
        RangeAxes(app);
    }
    return true;
}

void FindExtremes(App& app)
{
    AppState& s = app.state;
    s.MaxX = s.MinX = s.SpectrumX[0];
    s.MaxY = s.MinY = s.SpectrumY[0];
    for (int i = 1; i < s.TableCount; ++i) {
        if (s.SpectrumX[i] > s.MaxX)
            s.MaxX = s.SpectrumX[i];
        if (s.SpectrumX[i] < s.MinX)
            s.MinX = s.SpectrumX[i];
        if (s.SpectrumY[i] > s.MaxY)
            s.MaxY = s.SpectrumY[i];
        if (s.SpectrumY[i] < s.MinY)
            s.MinY = s.SpectrumY[i];
    }
    Controls& c = app.controls;
    const char separator = app.DecimalSeparator;
    c.StaticText1.text = "Min X=" + FloatToStr(s.MinX, separator);
    c.StaticText3.text = "Max X=" + FloatToStr(s.MaxX, separator);
    c.StaticText2.text = "Min Y=" + FloatToStr(s.MinY, separator);
    c.StaticText4.text = "Max Y=" + FloatToStr(s.MaxY, separator);
}

void RangeAxes(App& app)
{
    AppState& s = app.state;
    Controls& c = app.controls;
    rangeGroup(app, {Axis::X, "X", 700, s.MinX, s.MaxX, s.XStart, s.XCeiling, s.XStep, s.XSteps,
                     s.XPixelsPerStep, s.XAxisEnd, c.Edit2, c.Edit5, c.Edit3, c.Label11, c.StaticText6});
    rangeGroup(app, {Axis::Y, "Y", 450, s.MinY, s.MaxY, s.YStart, s.YCeiling, s.YStep, s.YSteps,
                     s.YPixelsPerStep, s.YAxisEnd, c.Edit6, c.Edit9, c.Edit7, c.Label12, c.StaticText7});
}

bool preplotAndOfferStore(App& app)
{
    if (!Preplot(app))
        return false;
    app.controls.Button10.visible = true;
    return true;
}

void Button1Click(App& app)
{
    [[maybe_unused]] const bool read = preplotAndOfferStore(app);
}
