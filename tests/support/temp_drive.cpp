#include "support/temp_drive.h"

#include "platform/bitmap_file.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::filesystem::path freshFolder()
{
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("specdesk-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

TempDrive::TempDrive(Layout layout) : root_(freshFolder())
{
    if (layout == Layout::Empty)
        return;
    std::filesystem::create_directories(root_ / "VELK" / "KOLDAR");
    if (layout == Layout::Installed)
        writeBackground();
}

TempDrive::~TempDrive()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempDrive::native(std::string_view programPath) const
{
    return mapping().map(programPath).native;
}

void TempDrive::writeBackground() const
{
    writeFileBytes(native("C://VELK//initialBMP.bmp"), encodeBitmap(Raster::blank16Colour()));
}

std::string readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
