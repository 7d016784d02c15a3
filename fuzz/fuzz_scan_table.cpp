// The table reader over arbitrary bytes. The first byte picks the check boxes ("PLOT THIS DATA", "Tabs",
// ": , to blanck") and the column mode; the second picks the count line put before the text (none, the
// true count, the true count off by a little, any 32-bit number); the rest is the table text. The scan
// runs as a command does, through the general error report.

#include "fuzz_check.h"
#include "platform/number_conversions.h"
#include "table/app_context.h"
#include "table/command_runner.h"
#include "table/scan_table.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The scan only shows "Too long file" or an error report: both are ignored here.
class SilentUi : public UiServices {
public:
    void showMessage(const std::string&) override {}
    void reportError(const std::string&) override {}
    Answer confirm(const std::string&) override { return Answer::Cancel; }
    std::optional<std::string> openDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveDialog(const FileDialogRequest&) override { return std::nullopt; }
    void closeMainWindow() override {}
    void startProgram(const std::string&, int) override {}
    void showHelp(const std::string&) override {}
    void openBrowser(const std::string&) override {}
    void showAbout() override {}
};

struct ScanFixture {
    SilentUi ui;
    std::unique_ptr<App> app = makeApp(ui, DriveMapping("/nonexistent-specdesk-drive"), ',');
};

void chooseControls(Controls& c, std::uint8_t flags)
{
    c.CheckBox11.checked = (flags & 1) != 0;
    c.CheckBox4.checked = (flags & 2) != 0;
    c.CheckBox5.checked = (flags & 4) != 0;
    Control* const columnModes[] = {&c.RadioButton1, &c.RadioButton4, &c.RadioButton5, &c.RadioButton6};
    c.selectRadio(*columnModes[(flags >> 3) & 3]);
}

std::string countLine(std::uint8_t mode, const std::uint8_t* data, std::size_t size, int lines)
{
    switch (mode % 4) {
    case 1:
        return IntToStr(lines + 1);
    case 2:
        return IntToStr(lines + 1 + static_cast<std::int8_t>(size > 0 ? data[0] : 0));
    case 3: {
        std::int32_t value = 0;
        std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
        return IntToStr(value);
    }
    default:
        return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScanFixture fixture;
    if (size < 2)
        return 0;
    App& app = *fixture.app;
    Controls& c = app.controls;
    chooseControls(c, data[0]);
    const std::uint8_t countMode = data[1];
    data += 2;
    size -= 2;

    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string count = countLine(countMode, data, size, TableText(text).count());
    if (!count.empty())
        text = count + "\r\n" + text;
    MemoControl& scanned = c.CheckBox11.checked ? c.Memo2 : c.Memo1;
    MemoControl& other = c.CheckBox11.checked ? c.Memo1 : c.Memo2;
    scanned.lines.setText(text);
    other.lines.setText("not a table");
    c.StaticText5.text = "N. OF TABLE";
    app.state.TableCount = 0;
    app.state.PointCount = 0;

    bool scannedWhole = false;
    runCommand(app, [&scannedWhole](App& a) { scannedWhole = ScanTable(a); });

    const AppState& s = app.state;
    fuzzCheck(s.TableCount == s.PointCount, "TableCount differs from PointCount");
    fuzzCheck(s.TableCount >= 0 && s.TableCount <= MaxPoints, "TableCount outside 0..MaxPoints");
    if (scannedWhole) {
        fuzzCheck(c.StaticText5.text == IntToStr(s.TableCount + 1), "StaticText5 does not show the count + 1");
        fuzzCheck(s.TableCount <= scanned.lines.count(), "more points than table lines");
    }
    return 0;
}
