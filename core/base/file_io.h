// Whole-file reads and safe replacing writes for the binary tables.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torsion {

// Reads the whole file; throws "ファイル %s は開けません" (path in place of %s), also
// for anything that is not a plain file (a folder, a device, a FIFO, /proc, /sys).
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// A file written beside path under a temporary name, then flushed to the disk and
// renamed over path by Commit, so the old file stays whole until the new one is
// complete. A path that is a symbolic link replaces the file the link leads to and keeps
// the link. Until Commit the temporary file is removed when the object goes, and also
// when the program is ended by a signal after RemoveTemporaryFilesOnSignals. Throws
// "ファイル %s を作成できません" (path in place of %s), leaving path untouched, when any
// step fails or when path exists and is not a plain file.
class ReplacingFile {
  public:
    explicit ReplacingFile(const std::string& path);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    // The new contents, buffered; a write error shows at Commit.
    std::ostream& stream();
    void Write(std::string_view bytes) { stream() << bytes; }
    // For a writer that opens files by name: the temporary file, already created, that
    // it may truncate and write; Commit then takes what it left there.
    const std::string& temporaryPath() const;
    void Commit();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Writes bytes through a ReplacingFile.
void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// From now on SIGINT, SIGTERM and SIGHUP remove the temporary files of the
// ReplacingFile objects that exist and end the program with status 128 + the signal
// number (130, 143, 129). For programs without a window.
void RemoveTemporaryFilesOnSignals();

}  // namespace torsion
