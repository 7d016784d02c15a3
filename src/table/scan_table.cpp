#include "table/scan_table.h"

#include "platform/number_conversions.h"
#include "table/table_format.h"

#include <string>

namespace {

constexpr std::size_t none = std::string::npos;

// A first line without blank, ',' or '.' is a count line: the number of lines including itself.
bool isCountLine(const std::string& line)
{
    return line.find_first_of(" ,.") == none;
}

// Splits `LineText` into the X text and the Y text the column mode picks. The strings are assigned,
// not rebuilt, so their storage is reused from line to line.
void splitFields(App& app)
{
    AppState& s = app.state;
    const Controls& c = app.controls;

    const std::size_t p = s.LineText.find(' ');
    if (p == none) {
        s.XText = s.LineText;
        s.YText = s.LineText;
    } else {
        s.XText.assign(s.LineText, 0, p);
        s.YText.assign(s.LineText, p + 1);
    }
    if (c.RadioButton4.checked)
        return; // two columns: Y is the rest of the line as it stands

    s.RestText = s.YText;
    trimBlanksAndControlsInPlace(s.RestText);
    const std::size_t q = s.RestText.find(' ');
    if (c.RadioButton5.checked) {
        if (q == none)
            s.YText = s.RestText;
        else
            s.YText.assign(s.RestText, q + 1);
    } else if (c.RadioButton6.checked) {
        if (q == none)
            s.YText = s.RestText;
        else
            s.YText.assign(s.RestText, 0, q);
    } else if (q == none) {
        s.YText = s.RestText;
    } else {
        s.YText.clear(); // more than two fields without a column mode: refused below
    }
}

} // namespace

bool ScanTable(App& app)
{
    AppState& s = app.state;
    const TableText& table =
        app.controls.CheckBox11.checked ? app.controls.Memo2.lines : app.controls.Memo1.lines;

    int count = table.count();
    int start = 0;
    if (count > 0) {
        s.LineText = table.line(0);
        trimBlanksAndControlsInPlace(s.LineText);
        if (isCountLine(s.LineText)) {
            count = StrToInt(s.LineText);
            start = 1;
        }
    }
    if (count > MaxPoints) {
        // The window stays open so that the text of both tables is not lost.
        app.ui.showMessage("Too long file");
        return false;
    }

    int i = 0;
    for (int l = start; l < count; ++l) {
        s.LineText = table.line(l);
        CleanHiddenCharacters(app);
        trimBlanksAndControlsInPlace(s.LineText);
        splitFields(app);

        app.DecimalSeparator = ',';
        dotToCommaInPlace(s.XText);
        app.DecimalSeparator = ',';
        dotToCommaInPlace(s.YText);

        s.SpectrumX[i] = StrToFloat(s.XText, app.DecimalSeparator);
        s.SpectrumY[i] = StrToFloat(s.YText, app.DecimalSeparator);
        ++i;
    }

    s.TableCount = i;
    s.PointCount = i;
    app.controls.StaticText5.text = IntToStr(s.TableCount + 1);
    return true;
}
