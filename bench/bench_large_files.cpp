// Large and hostile table files given on the command line: start-up loads the file into the right
// table, copies it to F0.txt, reads it (Preplot, ScanTable) and plots. Each case generates its file in a
// temporary drive and reports the outcome the user sees, the time and the peak memory of the process.
//
// SPECDESK_LARGE_MB sets the size of the big files (default 100; the single line is a tenth of it).
// Peak memory is the process's high-water mark, so run one case per process for its own figure:
//   bench_large_files --benchmark_filter=table_of_short_lines

#include "app/startup.h"
#include "platform/bitmap_file.h"
#include "table/app_context.h"
#include "table/command_runner.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::size_t largeBytes()
{
    const char* text = std::getenv("SPECDESK_LARGE_MB");
    const std::size_t megabytes = text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : 100;
    return megabytes * 1024 * 1024;
}

// The user sees only the last message or error of the start-up.
class RecordingUi : public UiServices {
public:
    void showMessage(const std::string& text) override { seen = "message: " + text.substr(0, 80); }
    void reportError(const std::string& text) override
    {
        seen = "error: " + text.substr(0, 60) + (text.size() > 60 ? "... (" + std::to_string(text.size()) + " bytes)" : "");
    }
    Answer confirm(const std::string&) override { return Answer::Cancel; }
    std::optional<std::string> openDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveDialog(const FileDialogRequest&) override { return std::nullopt; }
    void closeMainWindow() override {}
    void startProgram(const std::string&, int) override {}
    void showHelp(const std::string&) override {}
    void openBrowser(const std::string&) override {}
    void showAbout() override {}

    std::string seen = "nothing";
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Writes `size` bytes made by `piece` (called repeatedly for the next chunk) to `file`.
void writeGenerated(const fs::path& file, std::size_t size, const std::function<std::string()>& piece)
{
    std::ofstream out(file, std::ios::binary);
    std::size_t written = 0;
    while (written < size) {
        std::string chunk = piece();
        if (written + chunk.size() > size)
            chunk.resize(size - written);
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        written += chunk.size();
    }
}

void runStartup(benchmark::State& state, const std::function<void(const fs::path&)>& makeFile)
{
    const fs::path drive = fs::temp_directory_path() / ("specdesk-large-" + std::to_string(::getpid()));
    fs::create_directories(drive / "VELK" / "KOLDAR");
    writeBitmapFile(FilePath{"initialBMP.bmp", drive / "VELK" / "initialBMP.bmp"}, Raster::blank16Colour());
    const fs::path table = drive / "user table.txt";
    makeFile(table);
    const double fileMegabytes = static_cast<double>(fs::file_size(table)) / (1024.0 * 1024.0);

    RecordingUi ui;
    for (auto _ : state) {
        const auto app = makeApp(ui, DriveMapping(drive), '.');
        runCommand(*app, [&table](App& a) { startpart(a, {table.string()}); });
        state.counters["table_lines"] = app->controls.Memo1.lines.count();
        state.counters["points"] = app->state.PointCount;
    }
    state.counters["file_MB"] = fileMegabytes;
    state.counters["peak_RSS_MB"] = peakMegabytes();
    state.SetLabel(ui.seen);
    fs::remove_all(drive);
}

void table_of_short_lines(benchmark::State& state)
{
    runStartup(state, [](const fs::path& file) {
        int i = 0;
        writeGenerated(file, largeBytes(), [&i] { return std::to_string(4000 + (i++ % 5000)) + ".50 1.01611\r\n"; });
    });
}

void single_line(benchmark::State& state)
{
    runStartup(state, [](const fs::path& file) {
        bool first = true;
        writeGenerated(file, largeBytes() / 10, [&first] {
            const std::string digits(4096, '7');
            return std::exchange(first, false) ? "6463.5 1." + digits : digits;
        });
    });
}

void nul_bytes(benchmark::State& state)
{
    runStartup(state, [](const fs::path& file) {
        writeGenerated(file, largeBytes(), [] { return std::string(65536, '\0'); });
    });
}

void cr_only_breaks(benchmark::State& state)
{
    runStartup(state, [](const fs::path& file) {
        int i = 0;
        writeGenerated(file, largeBytes(), [&i] { return std::to_string(4000 + (i++ % 5000)) + ".5 1.25\r"; });
    });
}

void invalid_utf8(benchmark::State& state)
{
    runStartup(state, [](const fs::path& file) {
        std::mt19937 random(7);
        writeGenerated(file, largeBytes(), [&random] {
            std::string chunk(65536, '\0');
            for (char& c : chunk)
                c = static_cast<char>(0x80 + random() % 0x80); // lone continuation and lead bytes
            for (std::size_t at = 40; at < chunk.size(); at += 41)
                chunk[at] = '\n';
            return chunk;
        });
    });
}

} // namespace

BENCHMARK(table_of_short_lines)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(single_line)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(nul_bytes)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(cr_only_breaks)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(invalid_utf8)->Iterations(1)->Unit(benchmark::kMillisecond);
