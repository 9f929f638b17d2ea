#include "core/base/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/command_error.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "file_io_test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static void WriteDirectly(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string CreateErrorOf(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        return ErrorOf([&] { WriteFileReplacing(path, bytes); });
    }

    fs::path dir_;
};

std::vector<std::uint8_t> Pattern(std::size_t n, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 31);
    return bytes;
}

}  // namespace

TEST_F(FileIoTest, WritesReplacesAndReadsBack) {
    const std::string path = PathOf("cases.nbd");
    const auto first = Pattern(6944, 1);
    WriteFileReplacing(path, first);
    EXPECT_EQ(ReadWholeFile(path), first);

    const auto second = Pattern(100, 9);  // shorter: nothing of the old file may remain
    WriteFileReplacing(path, second);
    EXPECT_EQ(ReadWholeFile(path), second);

    WriteFileReplacing(path, {});
    EXPECT_TRUE(ReadWholeFile(path).empty());
    EXPECT_EQ(Entries(), std::vector<std::string>{"cases.nbd"}) << "no temporary file may be left";
}

// A path that is a link, as editors do: the file it leads to is replaced, the link stays.
// A file abandoned before its Commit leaves nothing.
TEST_F(FileIoTest, LinksAreFollowedAndAbandonedFilesLeaveNothing) {
    std::filesystem::create_directory(PathOf("real"));
    WriteFileReplacing(PathOf("real/cases.nbd"), Pattern(10, 1));
    std::filesystem::create_symlink("real/cases.nbd", PathOf("link.nbd"));
    WriteFileReplacing(PathOf("link.nbd"), Pattern(20, 2));
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link.nbd")));
    EXPECT_EQ(ReadWholeFile(PathOf("real/cases.nbd")), Pattern(20, 2));
    {
        ReplacingFile abandoned(PathOf("link.nbd"));
        abandoned.Write("partial");
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.nbd", "real"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(PathOf("real")), fs::directory_iterator()), 1);
    EXPECT_EQ(ReadWholeFile(PathOf("real/cases.nbd")), Pattern(20, 2));
}

TEST_F(FileIoTest, ReplacementKeepsThePermissionsOfTheOldFile) {
    const std::string path = PathOf("table.dst");
    WriteDirectly(path, Pattern(10, 0));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileReplacing(path, Pattern(20, 3));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileIoTest, ReadErrorsNameThePath) {
    const std::string missing = PathOf("missing.nbd");
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(missing); }), "ファイル " + missing + " は開けません");
    EXPECT_THROW(ReadWholeFile(dir_.string()), CommandError);  // a folder is not a file
}

TEST_F(FileIoTest, WritingIntoAMissingFolderFails) {
    const std::string path = PathOf("no/such/folder/x.nbd");
    EXPECT_EQ(CreateErrorOf(path, Pattern(10, 0)), "ファイル " + path + " を作成できません");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(FileIoTest, WritingOverAFolderFailsAndLeavesIt) {
    const std::string path = PathOf("sub");
    fs::create_directory(path);
    EXPECT_EQ(CreateErrorOf(path, Pattern(10, 0)), "ファイル " + path + " を作成できません");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(Entries(), std::vector<std::string>{"sub"});
}

// Only plain files are read or replaced: a FIFO, a device or a file of /proc stays
// what it is, and reading a FIFO with no writer returns at once instead of waiting.
TEST_F(FileIoTest, ThingsThatAreNotPlainFilesAreRefused) {
    const std::string fifo = PathOf("pipe.nbd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null"), std::string("/proc/version")}) {
        EXPECT_THROW(ReadWholeFile(path), CommandError) << path;
        EXPECT_EQ(CreateErrorOf(path, Pattern(10, 0)), "ファイル " + path + " を作成できません");
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"pipe.nbd"});
}

TEST_F(FileIoTest, ReadOnlyFolderKeepsTheOldFile) {
    const std::string path = PathOf("cases.nbd");
    const auto old = Pattern(500, 5);
    WriteDirectly(path, old);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);

    // With the privilege to ignore permissions (root) the folder stays writable; then
    // there is nothing to check here.
    const std::string probe = PathOf("probe");
    if (std::ofstream(probe).is_open()) {
        fs::remove(probe);
        GTEST_SKIP() << "this user can write into read-only folders";
    }
    EXPECT_EQ(CreateErrorOf(path, Pattern(10, 0)), "ファイル " + path + " を作成できません");
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"cases.nbd"});
}

TEST_F(FileIoTest, FailedWriteLeavesTheOldFileByteForByte) {
    const std::string path = PathOf("zaidat.dst");
    const auto old = Pattern(3000, 7);
    WriteDirectly(path, old);

    // A file-size limit makes the write itself fail, for any user.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = CreateErrorOf(path, Pattern(52080, 1));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "ファイル " + path + " を作成できません");
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"zaidat.dst"});
}
