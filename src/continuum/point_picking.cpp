#include "continuum/point_picking.h"

#include "continuum/checked_arithmetic.h"
#include "platform/colour.h"
#include "platform/number_conversions.h"

#include <cstdint>

namespace {

constexpr int OriginColumn = 50;
constexpr int OriginRow = 480;
constexpr int CrossArm = 10;

/** The difference of two pixel coordinates as an extended value (formed without int overflow). */
Extended pixelDifference(int a, int b)
{
    return static_cast<Extended>(static_cast<std::int64_t>(a) - b);
}

void drawCross(Picture& picture, int x, int y)
{
    picture.setPenColour(colours::Blue);
    picture.moveTo(x, y - CrossArm);
    picture.lineTo(x, y + CrossArm);
    picture.moveTo(x - CrossArm, y);
    picture.lineTo(x + CrossArm, y);
}

} // namespace

void MouseD(App& app, int x, int y)
{
    AppState& s = app.state;
    if (s.PickCount >= MaxPicks) {
        app.ui.showMessage("NO MORE POINTS.");
        return;
    }
    drawCross(app.controls.Image1.picture, x, y);

    // The inverse of the plot's mapping: product first, then the pixel span, then the start value.
    const Extended xProduct = pixelDifference(x, OriginColumn) * (s.XAxisEnd - s.XStart);
    const Extended xValue =
        checkedResult(s.XStart + checkedQuotient(xProduct, pixelDifference(s.XAxisEndPixel, OriginColumn)));
    const Extended yProduct = pixelDifference(y, OriginRow) * (s.YAxisEnd - s.YStart);
    const Extended yValue =
        checkedResult(s.YStart - checkedQuotient(yProduct, pixelDifference(OriginRow, s.YAxisEndPixel)));

    const Extended pickedX = checkedResult(roundToSingle(xValue));
    const Extended pickedY = checkedResult(roundToSingle(yValue));
    app.controls.Label9.text = "X=" + FloatToStr(pickedX, app.DecimalSeparator);
    app.controls.Label10.text = "Y=" + FloatToStr(pickedY, app.DecimalSeparator);

    s.LastPickY = pickedY;
    s.PickX[s.PickCount] = pickedX;
    s.PickY[s.PickCount] = pickedY;
    ++s.PickCount;
    app.controls.Label13.text = "k fit=" + IntToStr(s.PickCount);
}
