#include "plot/axis_settings.h"

#include "platform/app_error.h"
#include "platform/number_conversions.h"
#include "table/table_format.h"

#include <cstdint>
#include <string>

namespace {

/** The settings of one axis and the displays that show them. */
struct Axis {
    Extended& start;
    Extended& step;
    std::int32_t& steps;
    std::int32_t& pixelsPerStep;
    Control& endDisplay;
    Control& pixelsDisplay;
    int length; // pixels of ticks along the axis
};

Axis xAxis(App& app)
{
    AppState& s = app.state;
    return {s.XStart, s.XStep, s.XSteps, s.XPixelsPerStep, app.controls.StaticText6, app.controls.Label11, 700};
}

Axis yAxis(App& app)
{
    AppState& s = app.state;
    return {s.YStart, s.YStep, s.YSteps, s.YPixelsPerStep, app.controls.StaticText7, app.controls.Label12, 450};
}

/** The edit text prepared for conversion: ',' becomes the separator and '.' is read as ','. */
const std::string& numberText(App& app, const Control& edit)
{
    app.DecimalSeparator = ',';
    app.state.XText = DotToComma(edit.text);
    return app.state.XText;
}

void showAxisEnd(App& app, const Axis& axis)
{
    axis.endDisplay.text =
        FloatToStr(static_cast<Extended>(axis.steps) * axis.step + axis.start, app.DecimalSeparator);
}

/** Start value or step value of an axis: stored, written back in normal form, end value shown. */
void setAxisValue(App& app, Control& edit, Extended& field, const Axis& axis)
{
    const std::string& text = numberText(app, edit);
    const Extended value = StrToFloat(text, app.DecimalSeparator);
    field = value;
    edit.text = FloatToStr(value, app.DecimalSeparator);
    showAxisEnd(app, axis);
}

/** Number of steps of an axis: stored with its pixels per step; 0 steps has none and is refused. */
void setStepCount(App& app, Control& edit, const Axis& axis)
{
    const std::int32_t steps = StrToInt(numberText(app, edit));
    if (steps == 0)
        throw ConversionError("The number of steps must not be 0");
    axis.steps = steps;
    edit.text = IntToStr(steps);
    showAxisEnd(app, axis);
    axis.pixelsPerStep = axis.length / steps;
    axis.pixelsDisplay.text = IntToStr(axis.pixelsPerStep);
}

} // namespace

void Button3Click(App& app)
{
    const Axis axis = xAxis(app);
    setAxisValue(app, app.controls.Edit2, axis.start, axis);
}

void Button2Click(App& app)
{
    const Axis axis = xAxis(app);
    setAxisValue(app, app.controls.Edit5, axis.step, axis);
}

void Button4Click(App& app)
{
    setStepCount(app, app.controls.Edit3, xAxis(app));
}

void Button6Click(App& app)
{
    const Axis axis = yAxis(app);
    setAxisValue(app, app.controls.Edit6, axis.start, axis);
}

void Button9Click(App& app)
{
    const Axis axis = yAxis(app);
    setAxisValue(app, app.controls.Edit9, axis.step, axis);
}

void Button7Click(App& app)
{
    setStepCount(app, app.controls.Edit7, yAxis(app));
}

void Button14Click(App& app)
{
    app.controls.Image1.picture.textOut(250, 520, app.controls.Edit4.text);
}

void Button13Click(App& app)
{
    app.controls.Image1.picture.textOut(250, 20, app.controls.Edit8.text);
}
