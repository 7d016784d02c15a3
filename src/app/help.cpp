#include "app/help.h"

#include "platform/atomic_file.h"
#include "platform/table_text.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef SPECDESK_ONLINE_HELP_URL
#define SPECDESK_ONLINE_HELP_URL ""
#endif

namespace {

const char* const HelpFile = "C://VELK//KOLDAR//h1.hlp";
const char* const ShortcutFile = "C://VELK//is1.URL";
const char* const ShortcutSection = "InternetShortcut";
const char* const ShortcutKey = "URL";

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

/** The section name of a "[name]" line, or nothing for any other line. */
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

bool isKeyLine(std::string_view line, std::string_view key)
{
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && equalIgnoringCase(trimmed(line.substr(0, equals)), key);
}

/**
 * Sets one value of an ini text as an ini-file writer does: the section and the key are found
 * without regard to case and created when missing; an existing value is replaced, and any repeated
 * entry of the same key in that section is dropped so that the key has one value. Every other line
 * is kept as it was. Lines end with CR LF.
 */
std::string withIniValue(std::string_view iniText, std::string_view section, std::string_view key,
                         std::string_view value)
{
    const std::string entry = std::string(key) + "=" + std::string(value);
    const TableText old(iniText);
    std::vector<std::string> lines;
    bool inSection = false;
    bool written = false;
    std::size_t sectionEnd = 0; // after the last non-blank line of the section
    for (const std::string& line : old.lines()) {
        if (const auto name = sectionName(line)) {
            if (inSection && !written) {
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
                written = true;
            }
            inSection = equalIgnoringCase(*name, section);
        } else if (inSection && isKeyLine(line, key)) {
            if (!written)
                lines.push_back(entry);
            written = true;
            sectionEnd = lines.size();
            continue;
        }
        lines.push_back(line);
        if (inSection && !trimmed(line).empty())
            sectionEnd = lines.size();
    }
    if (inSection && !written) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
        written = true;
    }
    if (!written) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

/** A local file as a file:// address, every byte outside the plain path characters percent-encoded. */
std::string fileAddress(const std::filesystem::path& file)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char c : file.string()) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            address += c;
        } else {
            address += '%';
            address += hex[byte >> 4];
            address += hex[byte & 0x0F];
        }
    }
    return address;
}

/** The online help page: the address set when the program was built, else the installed manual. */
std::string onlineHelpAddress(const App& app)
{
    const std::string configured = SPECDESK_ONLINE_HELP_URL;
    if (!configured.empty())
        return configured;
    return fileAddress(app.path(HelpFile).native);
}

std::string existingText(const FilePath& file)
{
    std::error_code ignored;
    if (!std::filesystem::exists(file.native, ignored))
        return {};
    return readWholeFile(file);
}

} // namespace

void Help2Click(App& app)
{
    app.ui.showHelp(HelpFile);
}

void Button25Click(App& app)
{
    const std::string address = onlineHelpAddress(app);
    const FilePath shortcut = app.path(ShortcutFile);
    // The shortcut is complete on disk before the container is shown; if it cannot be written the
    // command ends here and the container stays hidden.
    replaceFileWhole(shortcut, withIniValue(existingText(shortcut), ShortcutSection, ShortcutKey, address));
    app.controls.OleContainer1.visible = true;
    app.ui.openBrowser(address);
    app.controls.OleContainer1.visible = false;
}
