// The list of recently used case files: newest first, each path once, at most
// kMaxRecentFiles entries.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torsion {

inline constexpr std::size_t kMaxRecentFiles = 8;

// The list with path moved (or added) to the front, cut to kMaxRecentFiles. An empty
// path changes nothing.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);
// The list without path.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);
// A list as read from outside: empty entries and repeats dropped, cut to kMaxRecentFiles.
std::vector<std::string> CleanRecentFiles(const std::vector<std::string>& list);

}  // namespace torsion
