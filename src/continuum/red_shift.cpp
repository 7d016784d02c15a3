#include "continuum/red_shift.h"

#include "continuum/checked_arithmetic.h"
#include "continuum/result_files.h"
#include "continuum/result_table.h"
#include "platform/number_conversions.h"
#include "table/table_format.h"

void Button23Click(App& app)
{
    AppState& s = app.state;
    app.DecimalSeparator = ',';
    s.XText = DotToComma(app.controls.Edit10.text);
    const Extended typed = StrToFloat(s.XText, app.DecimalSeparator);
    const Extended z = checkedResult(roundToSingle(typed));
    app.controls.Edit10.text = FloatToStr(z, app.DecimalSeparator);

    const Extended divisor = static_cast<Extended>(1.0F) + z;
    for (int i = 0; i < s.PointCount; ++i) {
        s.ResultX[i] = checkedQuotient(s.SpectrumX[i], divisor);
        s.ResultY[i] = s.SpectrumY[i];
    }
    publishResultTable(app, ShiftedFile, ShiftedWriteFailure);
}
