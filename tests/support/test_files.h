// Scratch folders and raw file access shared by the file tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

// A fresh folder under the system temporary folder, removed with its contents.
class ScratchDir {
  public:
    ScratchDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("ts_files_" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A path as a test holds it: a std::string, or a QString in the window tests.
template <typename Path>
std::string PathText(const Path& path) {
    if constexpr (requires { path.toStdString(); })
        return path.toStdString();
    else
        return std::string(path);
}

// Writes bytes over the file at path; a file that cannot be written fails the test.
template <typename Path>
void WriteBytes(const Path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(PathText(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write " << PathText(path);
}

// The bytes of the file at path; nothing when it is no file or cannot be read.
template <typename Path>
std::optional<std::vector<std::uint8_t>> FileBytes(const Path& path) {
    std::error_code ignored;
    std::ifstream in(PathText(path), std::ios::binary);
    if (!std::filesystem::is_regular_file(PathText(path), ignored) || !in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bytes of the file at path, none when it is no file.
template <typename Path>
std::vector<std::uint8_t> ReadBytes(const Path& path) {
    return FileBytes(path).value_or(std::vector<std::uint8_t>{});
}

inline std::vector<std::uint8_t> RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(engine));
    return bytes;
}
