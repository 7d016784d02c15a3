#include "plot/draw_plot.h"

#include "platform/bitmap_file.h"
#include "platform/default_font.h"
#include "platform/number_conversions.h"
#include "plot/calibration_record.h"
#include "plot/curve_segment.h"
#include "plot/pixel_mapping.h"
#include "plot/tick_steps.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

constexpr int XAxisRightColumn = 750;
constexpr int YAxisTopRow = 10;
constexpr int TickLength = 10;
constexpr int XLabelRow = 500;
constexpr int YLabelColumn = 2;
constexpr int TopTitleRow = 10;
constexpr int BottomTitleRow = 520;

std::int32_t toInt32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void drawLine(Picture& picture, int x0, int y0, int x1, int y1)
{
    picture.moveTo(x0, y0);
    picture.lineTo(x1, y1);
}

/** The X ticks and labels; leaves the column and value of the last tick in the state. */
void drawXTicks(App& app, Picture& picture)
{
    AppState& s = app.state;
    // A tick line or label touches the picture only from these columns; the others change nothing.
    const std::int64_t low = 10 - default_font::CellWidth * std::int64_t{MaxLabelLength} + 1;
    const std::int64_t high = std::int64_t{picture.raster().width()} + 9;
    for (const std::int64_t i : ticksToDraw(OriginColumn, s.XPixelsPerStep, s.XSteps, low, high, s.XStep,
                                            s.XStart, app.DecimalSeparator)) {
        const std::int32_t x = toInt32(OriginColumn + i * s.XPixelsPerStep);
        s.XAxisEndPixel = x;
        drawLine(picture, x, OriginRow, x, OriginRow + TickLength);
        s.XAxisEnd = tickValue(i, s.XStep, s.XStart);
        picture.textOut(toInt32(std::int64_t{x} - 10), XLabelRow, FloatToStr(s.XAxisEnd, app.DecimalSeparator));
    }
}

/** The Y ticks and labels; leaves the row and value of the last tick in the state. */
void drawYTicks(App& app, Picture& picture)
{
    AppState& s = app.state;
    // A tick line or label touches the picture only from these rows; the others change nothing.
    const std::int64_t low = 1 - std::int64_t{default_font::CellHeight};
    const std::int64_t high = std::int64_t{picture.raster().height()} - 1;
    for (const std::int64_t i : ticksToDraw(OriginRow, -std::int64_t{s.YPixelsPerStep}, s.YSteps, low, high,
                                            s.YStep, s.YStart, app.DecimalSeparator)) {
        const std::int32_t y = toInt32(OriginRow - i * s.YPixelsPerStep);
        s.YAxisEndPixel = y;
        s.YAxisEnd = tickValue(i, s.YStep, s.YStart);
        drawLine(picture, OriginColumn, y, OriginColumn + TickLength, y);
        picture.textOut(YLabelColumn, y, FloatToStr(s.YAxisEnd, app.DecimalSeparator));
    }
}

/** Maps a data point with the axis ends just drawn and keeps its pixel as the last point drawn. */
PlotPoint mapPoint(AppState& s, Extended x, Extended y)
{
    const PlotPoint point{mapToColumn(x, s.XStart, s.XAxisEnd, s.XAxisEndPixel),
                          mapToRow(y, s.YStart, s.YAxisEnd, s.YAxisEndPixel)};
    const Pixel pixel = pixelOf(point);
    s.PointPixelX = pixel.x;
    s.PointPixelY = pixel.y;
    return point;
}

/** A point of a dotted curve: one black pixel, or a five-pixel plus mark with "Points". */
void drawDot(Picture& picture, Pixel p, bool plusMark)
{
    const auto dot = [&](std::int64_t dx, std::int64_t dy) {
        picture.setPixel(toInt32(p.x + dx), toInt32(p.y + dy), colours::Black);
    };
    if (!plusMark) {
        dot(0, 0);
        return;
    }
    dot(-1, 0);
    dot(0, 0);
    dot(1, 0);
    dot(0, -1);
    dot(0, 1);
}

/**
 * One curve: points joined in array order with the pen colour `lineColour`, or dots when `dots` is
 * set. The pen colour is set at every point, as the result curve needs it.
 */
void drawCurve(App& app, Picture& picture, const SpectrumArray& xs, const SpectrumArray& ys, std::int32_t count,
               bool dots, Colour lineColour)
{
    const bool plusMarks = app.controls.CheckBox8.checked;
    const std::int32_t n = std::clamp<std::int32_t>(count, 0, MaxPoints);
    PlotPoint previous{};
    for (std::int32_t i = 0; i < n; ++i) {
        const PlotPoint point = mapPoint(app.state, xs[i], ys[i]);
        if (dots) {
            drawDot(picture, pixelOf(point), plusMarks);
            continue;
        }
        picture.setPenColour(lineColour);
        if (i == 0) {
            const Pixel start = pixelOf(point);
            picture.moveTo(start.x, start.y);
        } else {
            drawCurveSegment(picture, previous, point);
        }
        previous = point;
    }
}

/** A title with its top-left corner at (centre - 2 n, row), n being its number of characters. */
void drawTitle(Picture& picture, std::int32_t centre, int row, std::string_view text)
{
    const std::int64_t column = std::int64_t{centre} - 2 * static_cast<std::int64_t>(text.size());
    picture.textOut(toInt32(column), row, text);
}

} // namespace

void DrawPlot(App& app)
{
    // Read first: a missing or broken background leaves the picture and the state as they were.
    Raster background = readBitmapFile(app.path("C://VELK//initialBMP.bmp"));

    AppState& s = app.state;
    Controls& c = app.controls;
    Picture& picture = c.Image1.picture;
    picture.setPenColour(colours::Black);
    picture.setBrushColour(colours::White);
    picture.setBrushSolid(true);
    picture.assign(std::move(background));

    drawLine(picture, OriginColumn, OriginRow, XAxisRightColumn, OriginRow);
    drawLine(picture, OriginColumn, OriginRow, OriginColumn, YAxisTopRow);
    if (c.CheckBox9.checked) {
        drawLine(picture, OriginColumn, YAxisTopRow, XAxisRightColumn, YAxisTopRow);
        drawLine(picture, XAxisRightColumn, OriginRow, XAxisRightColumn, YAxisTopRow);
    }

    drawXTicks(app, picture);
    drawYTicks(app, picture);
    // The title centre is half the column of the last X tick; with no X tick drawn (a negative step
    // count) it is half the column left from the rendering before.
    const std::int32_t titleCentre = s.XAxisEndPixel / 2;

    // An axis without span maps nothing: the curves are left out and the rest is drawn.
    const bool curvesMappable = s.XAxisEnd != s.XStart && s.YAxisEnd != s.YStart;
    if (curvesMappable) {
        if (c.CheckBox10.checked)
            drawCurve(app, picture, s.ResultX, s.ResultY, s.PointCount, false, colours::Green);
        picture.setPenColour(colours::Black);
        drawCurve(app, picture, s.SpectrumX, s.SpectrumY, s.PointCount, c.CheckBox1.checked, colours::Black);
        if (c.CheckBox3.checked)
            drawCurve(app, picture, s.SecondX, s.SecondY, s.SecondCount, c.CheckBox2.checked,
                      c.CheckBox6.checked ? colours::Red : colours::Black);
    }
    picture.setPenColour(colours::Black);

    if (c.CheckBox7.checked) {
        drawTitle(picture, titleCentre, TopTitleRow, c.Edit8.text);
        drawTitle(picture, titleCentre, BottomTitleRow, c.Edit4.text);
    }

    if (s.CalibratorMode != 0)
        WriteCalibrationRecord(app);
}
