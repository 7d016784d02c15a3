// Long random user sessions against one application context: every command of the window, random
// texts in the edit boxes, random tables, mouse releases anywhere, random check boxes, radio buttons and
// dialog answers, and working folders that vanish or cannot be written. After every step the state must
// be consistent and every working file written in that step whole.
//
// Reproducible: SPECDESK_RANDOM_SEED picks the session, SPECDESK_RANDOM_STEPS its length (default 3000).
//   SPECDESK_RANDOM_STEPS=200000 SPECDESK_RANDOM_SEED=7 tests_app --gtest_filter='RandomSessions.*'
// A failure names the seed, the step and the last actions.

#include "app/commands.h"
#include "app/startup.h"
#include "continuum/point_picking.h"
#include "platform/app_error.h"
#include "platform/bitmap_file.h"
#include "support/temp_drive.h"
#include "table/app_context.h"
#include "table/command_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

unsigned long long environmentNumber(const char* name, unsigned long long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// File names a user may give: blanks, quotes, '$', a newline, shell syntax, non-ASCII letters.
const std::vector<std::string> userFileNames{
    "plain.txt", "with blank.txt", "quote\"double.txt", "quote'single.txt", "$HOME.txt",
    "new\nline.txt", "sp\xC3\xA9ktrum \xE2\x82\xAC.txt", "`touch pwned`.txt", "a;b&&c|d.txt", "-dash.txt",
};

// The dialogs answer at random from the user's files, missing places and folders. Closing the window
// is only counted: a real window would end there, the session simply goes on.
class RandomUi : public UiServices {
public:
    RandomUi(std::mt19937_64& random, const fs::path& userFolder) : random_(random), userFolder_(userFolder) {}

    void showMessage(const std::string&) override { ++messages; }
    void reportError(const std::string&) override { ++errors; }
    Answer confirm(const std::string&) override
    {
        static constexpr Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
        return answers[pick(3)];
    }
    std::optional<std::string> openDialog(const FileDialogRequest&) override { return chosenPath(); }
    std::optional<std::string> saveDialog(const FileDialogRequest&) override { return chosenPath(); }
    void closeMainWindow() override { ++closeRequests; }
    void startProgram(const std::string&, int) override { ++launches; }
    void showHelp(const std::string&) override {}
    void openBrowser(const std::string&) override {}
    void showAbout() override {}

    int messages = 0;
    int errors = 0;
    int closeRequests = 0;
    int launches = 0;

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    std::optional<std::string> chosenPath()
    {
        switch (pick(6)) {
        case 0:
            return std::nullopt;
        case 1:
            return (userFolder_ / "missing folder" / "x.txt").string();
        case 2:
            return userFolder_.string(); // a folder, not a file
        case 3:
            return std::string();
        default:
            return (userFolder_ / userFileNames[pick(userFileNames.size())]).string();
        }
    }

    std::mt19937_64& random_;
    fs::path userFolder_;
};

class Session {
public:
    explicit Session(unsigned long long seed)
        : seed_(seed), random_(seed), drive_(TempDrive::Layout::Installed), userFolder_(drive_.root() / "user files"),
          ui_(random_, userFolder_), app_(makeApp(ui_, drive_.mapping(), '.'))
    {
        fs::create_directories(userFolder_);
        for (const std::string& name : userFileNames)
            writeFileBytes(userFolder_ / name, randomTable());
        const std::vector<std::string> arguments =
            pick(2) == 0 ? std::vector<std::string>{} : std::vector<std::string>{(userFolder_ / userFileNames[pick(userFileNames.size())]).string()};
        log("start-up with " + std::to_string(arguments.size()) + " argument(s)");
        runCommand(*app_, [&arguments](App& a) { startpart(a, arguments); });
        rememberWorkingFiles();
    }

    /** @brief One random user action; the failure text when an invariant broke afterwards. */
    std::string step(long number)
    {
        const std::size_t kind = pick(100);
        if (kind < 40)
            clickSomething();
        else if (kind < 55)
            typeText();
        else if (kind < 65)
            pasteTable();
        else if (kind < 75)
            releaseMouse();
        else if (kind < 85)
            tickCheckBox();
        else if (kind < 92)
            selectRadio();
        else if (kind < 95)
            pressShortcut();
        else
            changeWorkingFolders();
        return checkInvariants(number);
    }

    const RandomUi& ui() const { return ui_; }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void log(std::string action)
    {
        recent_.push_back(std::move(action));
        if (recent_.size() > 12)
            recent_.pop_front();
    }

    std::string numberText()
    {
        static const std::vector<std::string> texts{
            "0", "1", "-1", "2.5", "2,5", "10", "100", "0.0001", "1e308", "1E4932", "1E4933", "1E-4951", "1e-5000",
            "-0", "2147483647", "2147483648", "-2147483649", "", " ", "abc", "1.2.3", "12a", "NAN", "INF", "  7  ",
            "1e", "+", "0x10", "9999999999999999999999", "-1E-300", "3", "5", "50", "480", "TOP", "Z for red shift",
        };
        switch (pick(3)) {
        case 0:
            return std::to_string(between(-1000, 100000));
        case 1: {
            std::ostringstream text;
            text << std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
            return text.str();
        }
        default:
            return texts[pick(texts.size())];
        }
    }

    // A table: valid two or three columns, with or without a count line (right or wrong), garbage,
    // CR-only breaks, tabs and commas, empty, or longer than the arrays hold.
    std::string randomTable()
    {
        const std::size_t kind = pick(20);
        if (kind == 0)
            return "";
        if (kind == 1)
            return std::string(static_cast<std::size_t>(between(1, 64)), '\0');
        int lines = between(1, 300);
        if (kind == 2)
            lines = between(29990, 30010);
        const bool threeColumns = pick(3) == 0;
        const char* const breaks[] = {"\r\n", "\n", "\r"};
        const char* lineBreak = breaks[pick(3)];
        const char* const separators[] = {" ", "\t", ",", "   "};
        const char* separator = separators[pick(4)];
        std::string text;
        if (pick(3) == 0)
            text += std::to_string(lines + 1 + (pick(4) == 0 ? between(-3, 3) : 0)) + lineBreak;
        double x = std::uniform_real_distribution<double>(1000, 9000)(random_);
        for (int i = 0; i < lines; ++i) {
            x += 0.5;
            if (kind == 3 && pick(50) == 0) {
                text += "garbage \xFF\xFE line";
            } else {
                text += std::to_string(x) + separator + std::to_string(1.0 + 0.01 * (i % 17));
                if (threeColumns)
                    text += std::string(separator) + std::to_string(0.5 + 0.001 * i);
            }
            text += lineBreak;
        }
        return text;
    }

    void clickSomething()
    {
        std::vector<std::pair<std::string_view, Handler>> clickable;
        for (const auto& [name, control] : app_->controls.all()) {
            const Command* command = clickCommand(name);
            if (command != nullptr && command->handler != nullptr && control->visible)
                clickable.emplace_back(name, command->handler);
        }
        const auto& [name, handler] = clickable[pick(clickable.size())];
        log("click " + std::string(name));
        runCommand(*app_, handler);
    }

    void pressShortcut()
    {
        static const char* const keys[] = {"Ctrl+N", "Ctrl+O", "Ctrl+S"};
        const char* key = keys[pick(3)];
        log(std::string("key ") + key);
        runCommand(*app_, shortcutCommand(key)->handler);
    }

    std::vector<std::pair<std::string_view, Control*>> controlsOfKind(ControlKind kind)
    {
        std::vector<std::pair<std::string_view, Control*>> found;
        for (const auto& entry : app_->controls.all())
            if (entry.second->kind == kind && entry.second->visible)
                found.push_back(entry);
        return found;
    }

    void typeText()
    {
        const auto edits = controlsOfKind(ControlKind::Edit);
        const auto& [name, edit] = edits[pick(edits.size())];
        edit->text = numberText();
        log("text " + std::string(name) + " '" + edit->text + "'");
    }

    void tickCheckBox()
    {
        const auto boxes = controlsOfKind(ControlKind::CheckBox);
        const auto& [name, box] = boxes[pick(boxes.size())];
        box->checked = !box->checked;
        log(std::string(box->checked ? "check " : "uncheck ") + std::string(name));
    }

    void selectRadio()
    {
        const auto radios = controlsOfKind(ControlKind::RadioButton);
        const auto& [name, radio] = radios[pick(radios.size())];
        app_->controls.selectRadio(*radio);
        log("select " + std::string(name));
    }

    void pasteTable()
    {
        MemoControl& table = pick(2) == 0 ? app_->controls.Memo1 : app_->controls.Memo2;
        table.lines.setText(randomTable());
        log(std::string(&table == &app_->controls.Memo1 ? "table Memo1 " : "table Memo2 ") +
            std::to_string(table.lines.count()) + " lines");
    }

    void releaseMouse()
    {
        const bool inside = pick(3) != 0;
        const int x = inside ? between(0, 799) : between(-100000, 100000);
        const int y = inside ? between(0, 599) : between(-100000, 100000);
        log("mouseup " + std::to_string(x) + " " + std::to_string(y));
        runCommand(*app_, [x, y](App& a) { MouseD(a, x, y); });
    }

    // The working folders vanish, cannot be written (a file stands where the folder should be), lose or
    // spoil the background picture, or come back as installed.
    void changeWorkingFolders()
    {
        const fs::path velk = drive_.native("C://VELK");
        const fs::path koldar = drive_.native("C://VELK//KOLDAR");
        const fs::path background = drive_.native("C://VELK//initialBMP.bmp");
        switch (pick(6)) {
        case 0:
            log("remove KOLDAR");
            fs::remove_all(koldar);
            break;
        case 1:
            log("KOLDAR unwritable");
            fs::remove_all(koldar);
            if (fs::is_directory(velk))
                writeFileBytes(koldar, "not a folder");
            break;
        case 2:
            log("remove VELK");
            fs::remove_all(velk);
            break;
        case 3:
            log("spoil the background picture");
            if (fs::is_directory(velk))
                writeFileBytes(background, "BM\x10\x00 not a bitmap");
            break;
        default:
            log("restore the working folders");
            if (!fs::is_directory(velk))
                fs::remove_all(velk);
            if (!fs::is_directory(koldar))
                fs::remove_all(koldar);
            fs::create_directories(koldar);
            drive_.writeBackground();
            break;
        }
        rememberWorkingFiles();
    }

    static const std::vector<std::string>& workingFiles()
    {
        static const std::vector<std::string> files{
            "C://VELK//KOLDAR//F0.txt", "C://VELK//KOLDAR//F.txt",  "C://VELK//KOLDAR//an.txt",
            "C://VELK//KOLDAR//f_shifted.txt", "C://VELK//TEMP.txt", "C://VELK//F.txt",
            "C://VELK//C2.txt", "C://VELK//CCCC.TXT", "C://VELK//xxxx.bmp", "C://VELK//initialBMP.bmp",
        };
        return files;
    }

    void rememberWorkingFiles()
    {
        for (const std::string& file : workingFiles())
            lastContents_[file] = readFileBytes(drive_.native(file));
    }

    static int countBreaks(const std::string& text)
    {
        int breaks = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
            ++breaks;
        return breaks;
    }

    // A file the step wrote must be the whole of what that command writes.
    std::string wholenessFault(const std::string& file, const std::string& bytes) const
    {
        const AppState& s = app_->state;
        const bool endsWithBreak = bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0;
        if (file.ends_with("an.txt") || file.ends_with("f_shifted.txt")) {
            if (countBreaks(bytes) != s.PointCount || (!bytes.empty() && !endsWithBreak))
                return "has not PointCount lines ending in CR LF";
            if (app_->controls.Memo2.lines.text() != bytes)
                return "differs from the left table loaded from it";
        } else if (file.ends_with("C2.txt")) {
            if (countBreaks(bytes) != 1 || endsWithBreak)
                return "is not two lines with one CR LF between them";
        } else if (file.ends_with("F0.txt")) {
            if (app_->controls.Memo1.lines.text() != bytes)
                return "differs from the right table saved to it";
        } else if (file.ends_with("TEMP.txt")) {
            if (app_->controls.Memo1.lines.text() != bytes && app_->controls.Memo2.lines.text() != bytes)
                return "is neither table";
        } else if (file.ends_with(".bmp") && bytes != "<missing>") {
            try {
                (void)decodeBitmap(bytes);
            } catch (const FileError& error) {
                return std::string("does not decode: ") + error.what();
            }
        }
        return {};
    }

    std::string checkInvariants(long number)
    {
        const AppState& s = app_->state;
        std::string fault;
        if (s.TableCount != s.PointCount)
            fault = "TableCount " + std::to_string(s.TableCount) + " differs from PointCount " + std::to_string(s.PointCount);
        else if (s.PointCount < 0 || s.PointCount > MaxPoints)
            fault = "PointCount " + std::to_string(s.PointCount) + " outside 0.." + std::to_string(MaxPoints);
        else if (s.SecondCount < 0 || s.SecondCount > MaxPoints)
            fault = "SecondCount " + std::to_string(s.SecondCount) + " outside 0.." + std::to_string(MaxPoints);
        else if (s.PickCount < 0 || s.PickCount > MaxPicks)
            fault = "PickCount " + std::to_string(s.PickCount) + " outside 0.." + std::to_string(MaxPicks);
        else if (s.CalibratorMode != 0 && s.CalibratorMode != 1)
            fault = "CalibratorMode " + std::to_string(s.CalibratorMode);
        else if (app_->controls.Image1.picture.raster().width() < 1 || app_->controls.Image1.picture.raster().height() < 1)
            fault = "no picture";

        for (const std::string& file : workingFiles()) {
            if (!fault.empty())
                break;
            std::string bytes = readFileBytes(drive_.native(file));
            if (bytes != lastContents_[file]) {
                if (const std::string wrong = wholenessFault(file, bytes); !wrong.empty())
                    fault = file + " " + wrong;
                lastContents_[file] = std::move(bytes);
            }
        }
        for (const fs::path& folder : {drive_.native("C://VELK"), drive_.native("C://VELK//KOLDAR"), userFolder_}) {
            std::error_code error;
            if (fault.empty() && fs::is_directory(folder, error))
                for (const auto& entry : fs::directory_iterator(folder))
                    if (entry.path().filename().string().find(".tmp") != std::string::npos)
                        fault = "temporary file left: " + entry.path().string();
        }
        if (fault.empty())
            return {};
        std::string report = "seed " + std::to_string(seed_) + ", step " + std::to_string(number) + ": " + fault +
                             "\nlast actions:";
        for (const std::string& action : recent_)
            report += "\n  " + action;
        return report;
    }

    unsigned long long seed_;
    std::mt19937_64 random_;
    TempDrive drive_;
    fs::path userFolder_;
    RandomUi ui_;
    std::unique_ptr<App> app_;
    std::deque<std::string> recent_;
    std::map<std::string, std::string> lastContents_;
};

TEST(RandomSessions, StateStaysConsistentAndWorkingFilesWhole)
{
    const unsigned long long seed = environmentNumber("SPECDESK_RANDOM_SEED", 20261211);
    const long steps = static_cast<long>(environmentNumber("SPECDESK_RANDOM_STEPS", 3000));
    Session session(seed);
    for (long number = 1; number <= steps; ++number) {
        const std::string fault = session.step(number);
        ASSERT_TRUE(fault.empty()) << fault;
    }
    // The session must have reached the program's error paths and its dialogs, not only happy paths.
    EXPECT_GT(session.ui().errors + session.ui().messages, 0);
    std::cout << "seed " << seed << ": " << steps << " steps, " << session.ui().errors << " error reports, "
              << session.ui().messages << " messages, " << session.ui().closeRequests << " close requests (the "
              << "session went on), " << session.ui().launches << " program starts (not launched)\n";
}

} // namespace
