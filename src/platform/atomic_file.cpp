#include "platform/atomic_file.h"

#include "platform/app_error.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwFileError(const char* what, const FilePath& file, int error)
{
    throw FileError(std::string(what) + " \"" + file.shown + "\". " + std::strerror(error));
}

/** Closes the descriptor and, unless released, removes the temporary file it was written to. */
class TemporaryFile {
  public:
    TemporaryFile(int descriptor, std::filesystem::path path)
        : descriptor_(descriptor), path_(std::move(path))
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        if (!released_)
            ::unlink(path_.c_str());
    }

    int descriptor() const { return descriptor_; }
    const std::filesystem::path& path() const { return path_; }
    /** Closes the descriptor; returns 0 or the error number. */
    int close()
    {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0 ? 0 : errno;
    }
    void release() { released_ = true; }

  private:
    int descriptor_;
    std::filesystem::path path_;
    bool released_ = false;
};

std::filesystem::path temporaryPathFor(const std::filesystem::path& target)
{
    static std::atomic<unsigned long> counter{0};
    // Built by appending: GCC 12 gives a false -Wrestrict warning for "." + std::string at -O2.
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

/** Writes all bytes; returns 0 or the error number. */
int writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

void replaceFileWhole(const FilePath& file, std::string_view bytes)
{
    const std::filesystem::path& target = file.native;
    if (target.filename().empty())
        throwFileError("Cannot create file", file, EISDIR);

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        throwFileError("Cannot create file", file, EISDIR);

    const std::filesystem::path temporaryPath = temporaryPathFor(target);
    const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        throwFileError("Cannot create file", file, errno);
    TemporaryFile temporary(descriptor, temporaryPath);

    // The new file keeps the permissions of the one it replaces.
    if (replacing && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        throwFileError("Cannot create file", file, errno);
    if (const int error = writeAll(descriptor, bytes))
        throwFileError("Cannot create file", file, error);
    // No fsync: the rename alone guarantees that a reader sees the old file or the new one whole, and
    // syncing every working file would cost each command milliseconds of waiting for the disk.
    if (const int error = temporary.close())
        throwFileError("Cannot create file", file, error);
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0)
        throwFileError("Cannot create file", file, errno);
    temporary.release();
}

std::string readWholeFile(const FilePath& file)
{
    const int descriptor = ::open(file.native.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throwFileError("Cannot open file", file, errno);
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer{descriptor};

    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        throwFileError("Cannot open file", file, errno);
    if (S_ISDIR(info.st_mode))
        throwFileError("Cannot open file", file, EISDIR);

    std::string content;
    if (info.st_size > 0)
        content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwFileError("Cannot read file", file, errno);
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}
