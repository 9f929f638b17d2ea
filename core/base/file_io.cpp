// Whole-file reads and replacing writes on POSIX file descriptors, so that a write can
// be flushed to the disk before the new file takes the old one's name.
#include "core/base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "core/base/command_error.h"

namespace torsion {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (the last chance for a write
    // error to show up).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Creates a new file beside path that no one else uses; fd < 0 when none can be made.
FileDescriptor CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = OpenRetrying(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
    }
    return FileDescriptor(-1);
}

// A regular file on a file system that holds data: not a folder, device or FIFO, and
// nothing under /proc or /sys, whose files can block a reader or never end.
bool IsPlainFile(int fd, const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return false;
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0) return false;
    constexpr long kProcMagic = 0x9fa0;
    constexpr long kSysfsMagic = 0x62656572;
    return static_cast<long>(fs.f_type) != kProcMagic && static_cast<long>(fs.f_type) != kSysfsMagic;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    // Opening without waiting: a FIFO would otherwise block until someone writes to it.
    FileDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
    if (fd.get() < 0) ThrowCannotOpen(path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !IsPlainFile(fd.get(), st)) ThrowCannotOpen(path);

    std::vector<std::uint8_t> bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowCannotOpen(path);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
    // Only a plain file is replaced: a folder, a device, a FIFO or a file of the kernel's
    // own file systems keeps what it is.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        FileDescriptor probe(OpenRetrying(path.c_str(), O_PATH));
        if (probe.get() < 0 || !IsPlainFile(probe.get(), existing)) ThrowCannotCreate(path);
    }
    std::string tempPath;
    FileDescriptor fd = CreateTemporaryBeside(path, tempPath);
    if (fd.get() < 0) ThrowCannotCreate(path);

    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd.get(), old.st_mode & 07777);

    const bool written = WriteAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        ThrowCannotCreate(path);
    }

    // Make the rename itself durable; the new file is complete whether or not this works.
    FileDescriptor dir(OpenRetrying(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace torsion
