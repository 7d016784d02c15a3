// Draws the picture of the About box, a synthetic stellar spectrum, and writes it as a JPEG:
//   make_about_picture src/gui/resources/about.jpg
// The drawing is deterministic, so running the tool again gives the same file.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h> // needs size_t and FILE declared first

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int Width = 241;
constexpr int Height = 329;

struct Rgb {
    double r, g, b;
};

class Canvas {
public:
    Canvas() : pixels_(static_cast<std::size_t>(Width) * Height, Rgb{0, 0, 0}) {}

    void blend(int x, int y, Rgb colour, double alpha)
    {
        if (x < 0 || y < 0 || x >= Width || y >= Height || alpha <= 0)
            return;
        Rgb& p = pixels_[static_cast<std::size_t>(y) * Width + x];
        alpha = std::min(alpha, 1.0);
        p.r += (colour.r - p.r) * alpha;
        p.g += (colour.g - p.g) * alpha;
        p.b += (colour.b - p.b) * alpha;
    }
    void set(int x, int y, Rgb colour) { blend(x, y, colour, 1.0); }

    // An anti-aliased line of the given width, by distance to the segment.
    void line(double x0, double y0, double x1, double y1, Rgb colour, double width)
    {
        const int left = static_cast<int>(std::floor(std::min(x0, x1) - width - 1));
        const int right = static_cast<int>(std::ceil(std::max(x0, x1) + width + 1));
        const int top = static_cast<int>(std::floor(std::min(y0, y1) - width - 1));
        const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + width + 1));
        const double dx = x1 - x0, dy = y1 - y0;
        const double lengthSquared = std::max(dx * dx + dy * dy, 1e-12);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0, 1.0);
                const double distance = std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
                blend(x, y, colour, width / 2 + 0.5 - distance);
            }
    }

    std::vector<JSAMPLE> bytes() const
    {
        std::vector<JSAMPLE> out;
        out.reserve(pixels_.size() * 3);
        for (const Rgb& p : pixels_)
            for (double channel : {p.r, p.g, p.b})
                out.push_back(static_cast<JSAMPLE>(std::lround(std::clamp(channel, 0.0, 1.0) * 255)));
        return out;
    }

private:
    std::vector<Rgb> pixels_;
};

// The colour the eye sees at a wavelength in nanometres (a piecewise approximation of the visible range).
Rgb wavelengthColour(double nm)
{
    Rgb c{0, 0, 0};
    if (nm < 440) c = {(440 - nm) / 60, 0, 1};
    else if (nm < 490) c = {0, (nm - 440) / 50, 1};
    else if (nm < 510) c = {0, 1, (510 - nm) / 20};
    else if (nm < 580) c = {(nm - 510) / 70, 1, 0};
    else if (nm < 645) c = {1, (645 - nm) / 65, 0};
    else c = {1, 0, 0};
    double fade = 1;
    if (nm < 420) fade = 0.3 + 0.7 * (nm - 380) / 40;
    if (nm > 700) fade = 0.3 + 0.7 * (780 - nm) / 80;
    return {c.r * fade, c.g * fade, c.b * fade};
}

// Absorption lines of a cool star: wavelength (nm), depth, width (nm).
struct Line {
    double nm, depth, width;
};
constexpr Line Lines[] = {{393.4, 0.7, 1.6}, {396.8, 0.6, 1.5}, {410.2, 0.35, 1.0}, {430.8, 0.4, 1.2},
                          {434.0, 0.45, 1.1}, {486.1, 0.55, 1.3}, {516.9, 0.35, 0.9}, {518.4, 0.4, 0.9},
                          {527.0, 0.3, 0.8},  {589.0, 0.6, 0.8},  {589.6, 0.55, 0.8}, {656.3, 0.7, 1.4},
                          {686.7, 0.35, 1.5}, {759.4, 0.45, 2.0}};

double absorption(double nm)
{
    double transmitted = 1;
    for (const Line& line : Lines) {
        const double z = (nm - line.nm) / line.width;
        transmitted *= 1 - line.depth * std::exp(-z * z);
    }
    return transmitted;
}

// Planck's law in arbitrary units for a star of 5800 K.
double continuum(double nm)
{
    const double lambda = nm * 1e-9;
    const double c2 = 1.4388e-2 / 5800.0;
    return 1.0 / (std::pow(lambda, 5) * (std::exp(c2 / lambda) - 1));
}

std::uint32_t nextRandom(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

void drawPicture(Canvas& canvas)
{
    // Night sky: dark blue to black, with faint stars.
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const double t = static_cast<double>(y) / Height;
            canvas.set(x, y, {0.02 + 0.03 * t, 0.03 + 0.05 * t, 0.12 + 0.14 * t});
        }
    std::uint32_t seed = 20261211u;
    for (int i = 0; i < 140; ++i) {
        const int x = static_cast<int>(nextRandom(seed) % Width);
        const int y = static_cast<int>(nextRandom(seed) % Height);
        const double brightness = 0.3 + 0.7 * (nextRandom(seed) % 1000) / 1000.0;
        canvas.blend(x, y, {1, 1, 0.95}, brightness);
        if (brightness > 0.9)
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                canvas.blend(x + dx, y + dy, {0.8, 0.85, 1}, 0.4);
    }

    // The spectrum as the eye sees it: a band from violet to deep red with dark lines.
    constexpr int bandTop = 36, bandHeight = 46, margin = 14;
    constexpr double nmFirst = 385, nmLast = 765;
    for (int x = margin; x < Width - margin; ++x) {
        const double nm = nmFirst + (nmLast - nmFirst) * (x - margin) / (Width - 2 * margin - 1);
        const Rgb colour = wavelengthColour(nm);
        const double light = absorption(nm);
        for (int y = bandTop; y < bandTop + bandHeight; ++y)
            canvas.set(x, y, {colour.r * light, colour.g * light, colour.b * light});
    }

    // The same spectrum as a tracing: frame, ticks and the intensity curve.
    constexpr int plotLeft = 22, plotRight = Width - 12, plotTop = 120, plotBottom = 292;
    const Rgb axis{0.75, 0.8, 0.9};
    canvas.line(plotLeft, plotBottom, plotRight, plotBottom, axis, 1.2);
    canvas.line(plotLeft, plotTop, plotLeft, plotBottom, axis, 1.2);
    for (int i = 0; i <= 8; ++i) {
        const double x = plotLeft + (plotRight - plotLeft) * i / 8.0;
        canvas.line(x, plotBottom, x, plotBottom + 5, axis, 1);
    }
    for (int i = 0; i <= 5; ++i) {
        const double y = plotBottom - (plotBottom - plotTop) * i / 5.0;
        canvas.line(plotLeft - 5, y, plotLeft, y, axis, 1);
    }
    double peak = 0;
    for (double nm = nmFirst; nm <= nmLast; nm += 0.5)
        peak = std::max(peak, continuum(nm));
    double lastX = 0, lastY = 0;
    constexpr int steps = 900;
    for (int i = 0; i <= steps; ++i) {
        const double nm = nmFirst + (nmLast - nmFirst) * i / steps;
        const double value = continuum(nm) / peak * absorption(nm);
        const double x = plotLeft + (plotRight - plotLeft) * static_cast<double>(i) / steps;
        const double y = plotBottom - 6 - (plotBottom - plotTop - 14) * value;
        if (i > 0)
            canvas.line(lastX, lastY, x, y, wavelengthColour(nm), 1.4);
        lastX = x;
        lastY = y;
    }
    // The continuum, dashed, as a fit would draw it.
    for (int i = 0; i < steps; i += 12) {
        const auto at = [&](int k) {
            const double nm = nmFirst + (nmLast - nmFirst) * k / steps;
            return std::pair{plotLeft + (plotRight - plotLeft) * static_cast<double>(k) / steps,
                             plotBottom - 6 - (plotBottom - plotTop - 14) * continuum(nm) / peak};
        };
        const auto [x0, y0] = at(i);
        const auto [x1, y1] = at(std::min(i + 6, steps));
        canvas.line(x0, y0, x1, y1, {1, 1, 1}, 0.9);
    }
}

bool writeJpeg(const char* path, const std::vector<JSAMPLE>& rgb)
{
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = Width;
    info.image_height = Height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(&rgb[static_cast<std::size_t>(info.next_scanline) * Width * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    Canvas canvas;
    drawPicture(canvas);
    if (!writeJpeg(argv[1], canvas.bytes())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
