#include "app/snapshot.h"

#include "platform/number_c_locale.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

void appendExtended(std::string& out, Extended value)
{
    // 21 significant digits hold every 64-bit mantissa, so the text reads back to the same value.
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.21Lg", value);
    out += '"';
    out.append(buffer.data(), static_cast<std::size_t>(length));
    out += '"';
}

void appendBool(std::string& out, bool value)
{
    out += value ? "true" : "false";
}

// Writes the key of one member; every member but the first of an object starts on a new line.
class ObjectWriter {
public:
    ObjectWriter(std::string& out, const char* indent) : out_(out), indent_(indent) { out_ += "{\n"; }

    std::string& key(std::string_view name)
    {
        if (!first_)
            out_ += ",\n";
        first_ = false;
        out_ += indent_;
        appendJsonString(out_, name);
        out_ += ": ";
        return out_;
    }

    void close(const char* closingIndent)
    {
        out_ += '\n';
        out_ += closingIndent;
        out_ += '}';
    }

private:
    std::string& out_;
    const char* indent_;
    bool first_ = true;
};

void field(ObjectWriter& object, std::string_view name, const std::string& text)
{
    appendJsonString(object.key(name), text);
}

void field(ObjectWriter& object, std::string_view name, Extended value)
{
    appendExtended(object.key(name), value);
}

void field(ObjectWriter& object, std::string_view name, std::int32_t value)
{
    object.key(name) += std::to_string(value);
}

// Entries up to the last one that is not zero, so values an earlier, longer table left behind show.
template <std::size_t N>
void field(ObjectWriter& object, std::string_view name, const std::array<Extended, N>& values)
{
    std::string& out = object.key(name);
    std::size_t used = N;
    while (used > 0 && values[used - 1] == 0)
        --used;
    out += '[';
    for (std::size_t i = 0; i < used; ++i) {
        if (i > 0)
            out += ", ";
        appendExtended(out, values[i]);
    }
    out += ']';
}

void appendState(std::string& out, const AppState& s)
{
    ObjectWriter object(out, "    ");
    field(object, "LineText", s.LineText);
    field(object, "XText", s.XText);
    field(object, "YText", s.YText);
    field(object, "RestText", s.RestText);
    field(object, "CommandLinePath", s.CommandLinePath);
    field(object, "SpectrumX", s.SpectrumX);
    field(object, "SpectrumY", s.SpectrumY);
    field(object, "SecondX", s.SecondX);
    field(object, "SecondY", s.SecondY);
    field(object, "ResultX", s.ResultX);
    field(object, "ResultY", s.ResultY);
    field(object, "MaxX", s.MaxX);
    field(object, "MinX", s.MinX);
    field(object, "MaxY", s.MaxY);
    field(object, "MinY", s.MinY);
    field(object, "XStart", s.XStart);
    field(object, "XCeiling", s.XCeiling);
    field(object, "XStep", s.XStep);
    field(object, "YStart", s.YStart);
    field(object, "YCeiling", s.YCeiling);
    field(object, "YStep", s.YStep);
    field(object, "TableCount", s.TableCount);
    field(object, "XSteps", s.XSteps);
    field(object, "YSteps", s.YSteps);
    field(object, "XPixelsPerStep", s.XPixelsPerStep);
    field(object, "YPixelsPerStep", s.YPixelsPerStep);
    field(object, "XAxisEndPixel", s.XAxisEndPixel);
    field(object, "YAxisEndPixel", s.YAxisEndPixel);
    field(object, "PointPixelX", s.PointPixelX);
    field(object, "PointPixelY", s.PointPixelY);
    field(object, "PointCount", s.PointCount);
    field(object, "SecondCount", s.SecondCount);
    field(object, "CalibratorMode", s.CalibratorMode);
    field(object, "PickCount", s.PickCount);
    field(object, "XAxisEnd", s.XAxisEnd);
    field(object, "YAxisEnd", s.YAxisEnd);
    field(object, "PickX", s.PickX);
    field(object, "PickY", s.PickY);
    field(object, "FitIntercept", s.FitIntercept);
    field(object, "FitSlope", s.FitSlope);
    field(object, "LastPickY", s.LastPickY);
    object.close("  ");
}

const TableText* tableOf(const Controls& controls, const Control* control)
{
    if (control == &controls.Memo1)
        return &controls.Memo1.lines;
    if (control == &controls.Memo2)
        return &controls.Memo2.lines;
    return nullptr;
}

void appendControls(std::string& out, const Controls& controls)
{
    ObjectWriter object(out, "    ");
    for (const auto& [name, control] : controls.all()) {
        std::string& entry = object.key(name);
        entry += "{\"text\": ";
        appendJsonString(entry, control->text);
        entry += ", \"visible\": ";
        appendBool(entry, control->visible);
        if (control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton) {
            entry += ", \"checked\": ";
            appendBool(entry, control->checked);
        }
        if (const TableText* table = tableOf(controls, control)) {
            entry += ", \"lines\": [";
            bool firstLine = true;
            for (const std::string& line : table->lines()) {
                if (!firstLine)
                    entry += ", ";
                firstLine = false;
                appendJsonString(entry, line);
            }
            entry += ']';
        }
        entry += '}';
    }
    object.close("  ");
}

} // namespace

std::string extendedText(Extended value)
{
    const CLocaleScope cLocale;
    std::string out;
    appendExtended(out, value);
    return out.substr(1, out.size() - 2);
}

void appendJsonString(std::string& out, std::string_view bytes)
{
    out += '"';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hexDigits[byte >> 4];
                out += hexDigits[byte & 0xF];
            } else if (byte >= 0x80) {
                // Latin-1: the byte is the code point, two bytes of UTF-8.
                out += static_cast<char>(0xC0 | (byte >> 6));
                out += static_cast<char>(0x80 | (byte & 0x3F));
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::string snapshotJson(const App& app, bool closed)
{
    // Number text with '.', whatever locale the process runs under.
    const CLocaleScope cLocale;
    std::string out;
    out.reserve(1 << 16);
    ObjectWriter top(out, "  ");
    appendState(top.key("state"), app.state);
    appendJsonString(top.key("decimalSeparator"), std::string_view(&app.DecimalSeparator, 1));
    appendControls(top.key("controls"), app.controls);
    const Raster& raster = app.controls.Image1.picture.raster();
    top.key("picture") += "{\"width\": " + std::to_string(raster.width()) +
                          ", \"height\": " + std::to_string(raster.height()) +
                          ", \"bitsPerPixel\": " + std::to_string(raster.bitsPerPixel()) + "}";
    appendBool(top.key("closed"), closed);
    top.close("");
    out += '\n';
    return out;
}
