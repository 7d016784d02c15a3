#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

/**
 * @brief A sibling program stand-in: a shell script that waits (at most 10 s) until the test releases
 * it, then records whether it was released and its arguments, one a line. A starter that waited for
 * its program would never let the test release it, so the record would say "timeout".
 */
class FakeProgram {
public:
    /** @brief Writes the program at `program`; its release and record files go into `folder`,
     * named after `name`. */
    FakeProgram(const std::filesystem::path& program, const std::filesystem::path& folder, const std::string& name)
        : release_(folder / ("release-" + name)), record_(folder / ("record-" + name))
    {
        namespace fs = std::filesystem;
        fs::create_directories(program.parent_path());
        std::ofstream(program, std::ios::binary)
            << "#!/bin/sh\n"
               "i=0\n"
               "while [ ! -e '" << release_.string() << "' ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done\n"
               "if [ -e '" << release_.string() << "' ]; then state=released; else state=timeout; fi\n"
               "printf '%s\\n' \"$state\" \"$@\" > '" << record_.string() << ".part'\n"
               "mv '" << record_.string() << ".part' '" << record_.string() << "'\n";
        fs::permissions(program, fs::perms::owner_all);
    }

    bool recorded() const { return std::filesystem::exists(record_); }

    /** @brief Lets the program go on, then waits (bounded) for its record. */
    std::string releaseAndTakeRecord() const
    {
        std::ofstream{release_};
        for (int i = 0; i < 400 && !recorded(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream in(record_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path release_;
    std::filesystem::path record_;
};
