// Whole-file reads and replacing writes on POSIX file descriptors, so that a write can
// be flushed to the disk before the new file takes the old one's name.
#include "core/base/file_io.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <streambuf>
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
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = other.release();
        }
        return *this;
    }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
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

// The file a path leads to through symbolic links (the path itself when it is none, or
// when the links go round).
std::string FollowLinks(const std::string& path) {
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return path;
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : DirectoryOf(target) + "/" + link;
    }
    return path;
}

// The temporary files a signal removes. The handler may neither allocate nor lock, so
// the paths sit in a fixed table: a slot is claimed (1), filled, then ready (2).
constexpr int kTemporarySlots = 16;
struct TemporarySlot {
    std::atomic<int> state{0};
    char path[4096];
};
TemporarySlot gTemporaries[kTemporarySlots];

int RegisterTemporary(const std::string& path) {
    if (path.size() >= sizeof gTemporaries[0].path) return -1;
    for (int i = 0; i < kTemporarySlots; ++i) {
        int expected = 0;
        if (!gTemporaries[i].state.compare_exchange_strong(expected, 1)) continue;
        std::memcpy(gTemporaries[i].path, path.c_str(), path.size() + 1);
        gTemporaries[i].state.store(2);
        return i;
    }
    return -1;
}

void ReleaseTemporary(int slot) {
    if (slot >= 0) gTemporaries[slot].state.store(0);
}

extern "C" void RemoveTemporariesAndExit(int signal) {
    for (TemporarySlot& slot : gTemporaries)
        if (slot.state.load() == 2) ::unlink(slot.path);
    ::_exit(128 + signal);
}

}  // namespace

struct ReplacingFile::Impl : std::streambuf {
    std::string path;    // as given, for messages
    std::string target;  // the file replaced: path through its links
    std::string temp;
    FileDescriptor fd{-1};
    int slot = -1;
    bool failed = false;
    bool committed = false;
    char buffer[65536];
    std::ostream out{this};

    Impl() { setp(buffer, buffer + sizeof buffer); }

    bool Flush() {
        if (pptr() != pbase() && !WriteAll(fd.get(), reinterpret_cast<const std::uint8_t*>(pbase()),
                                           static_cast<std::size_t>(pptr() - pbase())))
            failed = true;
        setp(buffer, buffer + sizeof buffer);
        return !failed;
    }
    int_type overflow(int_type ch) override {
        if (!Flush()) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override { return Flush() ? 0 : -1; }
    void Discard() {
        fd.Close();
        if (!temp.empty()) ::unlink(temp.c_str());
        ReleaseTemporary(slot);
        slot = -1;
    }
};

ReplacingFile::ReplacingFile(const std::string& path) : impl_(std::make_unique<Impl>()) {
    Impl& f = *impl_;
    f.path = path;
    f.target = FollowLinks(path);
    // Only a plain file is replaced: a folder, a device, a FIFO or a file of the kernel's
    // own file systems keeps what it is.
    struct stat existing {};
    const bool exists = ::stat(f.target.c_str(), &existing) == 0;
    if (exists) {
        FileDescriptor probe(OpenRetrying(f.target.c_str(), O_PATH));
        if (probe.get() < 0 || !IsPlainFile(probe.get(), existing)) ThrowCannotCreate(path);
    }
    // A signal between making the temporary file and naming it to the handler would leave
    // the file behind: the two happen with the signals held back.
    sigset_t all, before;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, &before);
    FileDescriptor fd = CreateTemporaryBeside(f.target, f.temp);
    if (fd.get() >= 0) f.slot = RegisterTemporary(f.temp);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (fd.get() < 0) ThrowCannotCreate(path);
    f.fd = FileDescriptor(fd.release());
    // The replacement keeps the permissions of the file it replaces.
    if (exists) ::fchmod(f.fd.get(), existing.st_mode & 07777);
}

ReplacingFile::~ReplacingFile() {
    if (!impl_->committed) impl_->Discard();
}

std::ostream& ReplacingFile::stream() {
    return impl_->out;
}

const std::string& ReplacingFile::temporaryPath() const {
    return impl_->temp;
}

void ReplacingFile::Commit() {
    Impl& f = *impl_;
    const bool written = f.Flush() && !f.out.bad() && ::fsync(f.fd.get()) == 0;
    if (!f.fd.Close() || !written || ::rename(f.temp.c_str(), f.target.c_str()) != 0) {
        f.Discard();
        ThrowCannotCreate(f.path);
    }
    f.committed = true;
    ReleaseTemporary(f.slot);
    // Make the rename itself durable; the new file is complete whether or not this works.
    FileDescriptor dir(OpenRetrying(DirectoryOf(f.target).c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) ::fsync(dir.get());
}

void RemoveTemporaryFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndExit;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

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
    ReplacingFile file(path);
    file.Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    file.Commit();
}

}  // namespace torsion
