// The specdesk-script parser over arbitrary bytes, line by line as the runner reads a script: every line
// gives a step, nothing, or a script fault.

#include "script/script_parser.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view script(reinterpret_cast<const char*>(data), size);
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        try {
            (void)parseScriptLine(line);
        } catch (const ScriptFault&) {
        }
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    return 0;
}
