#include "platform/atomic_file.h"

#include "platform/app_error.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

FilePath pathIn(const TempFolder& folder, const std::string& name)
{
    return {"C://VELK//" + name, folder / name};
}

void writePlain(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string readPlain(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string messageOf(const auto& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "no FileError";
}

TEST(ReplaceFileWhole, WritesNewAndReplacesExistingFilesWhole)
{
    const std::string contents[] = {"first content, longer than the next\r\n", "short", "",
                                    std::string("\0\xFF\r\n binary", 11)};
    TempFolder folder;
    const FilePath file = pathIn(folder, "F.txt");
    for (const auto& content : contents) {
        replaceFileWhole(file, content);
        EXPECT_EQ(readPlain(file.native), content);
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"F.txt"}) << "no temporary file is left";
    }
}

TEST(ReplaceFileWhole, KeepsThePermissionsOfTheReplacedFile)
{
    TempFolder folder;
    const FilePath file = pathIn(folder, "an.txt");
    writePlain(file.native, "old");
    fs::permissions(file.native, fs::perms::owner_read | fs::perms::owner_write);
    replaceFileWhole(file, "new");
    EXPECT_EQ(fs::status(file.native).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ReplaceFileWhole, MissingFolderIsRefused)
{
    TempFolder folder;
    const FilePath file{"C://VELK//KOLDAR//an.txt", folder / "KOLDAR" / "an.txt"};
    EXPECT_EQ(messageOf([&] { replaceFileWhole(file, "x"); }),
              "Cannot create file \"C://VELK//KOLDAR//an.txt\". No such file or directory");
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

TEST(ReplaceFileWhole, FolderAsTargetIsRefusedAndLeftAlone)
{
    TempFolder folder;
    const FilePath file = pathIn(folder, "xxxx.bmp");
    fs::create_directory(file.native);
    writePlain(file.native / "inside.txt", "keep");
    EXPECT_EQ(messageOf([&] { replaceFileWhole(file, "x"); }),
              "Cannot create file \"C://VELK//xxxx.bmp\". Is a directory");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"xxxx.bmp"});
    EXPECT_EQ(readPlain(file.native / "inside.txt"), "keep");
}

TEST(ReplaceFileWhole, FileUnderAFileIsRefused)
{
    TempFolder folder;
    writePlain(folder / "VELK", "a file, not a folder");
    const FilePath file{"C://VELK//TEMP.txt", folder / "VELK" / "TEMP.txt"};
    EXPECT_EQ(messageOf([&] { replaceFileWhole(file, "x"); }),
              "Cannot create file \"C://VELK//TEMP.txt\". Not a directory");
}

/** Limits the size of files this process may write, as a full disk would; restored on leaving. */
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(ReplaceFileWhole, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    TempFolder folder;
    const FilePath file = pathIn(folder, "C2.txt");
    writePlain(file.native, "old content");
    std::string message;
    {
        FileSizeLimit limit(16);
        message = messageOf([&] { replaceFileWhole(file, std::string(4096, 'n')); });
    }
    EXPECT_EQ(message, "Cannot create file \"C://VELK//C2.txt\". File too large");
    EXPECT_EQ(readPlain(file.native), "old content");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"C2.txt"});
}

TEST(ReadWholeFile, ReadsEveryByte)
{
    TempFolder folder;
    const FilePath file = pathIn(folder, "F.txt");
    std::string content(200000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 % 256);
    writePlain(file.native, content);
    EXPECT_EQ(readWholeFile(file), content);
    writePlain(file.native, "");
    EXPECT_EQ(readWholeFile(file), "");
}

TEST(ReadWholeFile, MissingFileAndFolderAreRefused)
{
    TempFolder folder;
    EXPECT_EQ(messageOf([&] { readWholeFile(pathIn(folder, "initialBMP.bmp")); }),
              "Cannot open file \"C://VELK//initialBMP.bmp\". No such file or directory");
    fs::create_directory(folder / "KOLDAR");
    EXPECT_EQ(messageOf([&] { readWholeFile(pathIn(folder, "KOLDAR")); }),
              "Cannot open file \"C://VELK//KOLDAR\". Is a directory");
}

} // namespace
