// The list of recently used case files.
#include "core/files/recent_files.h"

#include <algorithm>

namespace torsion {

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
    std::erase(list, path);
    return list;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
    if (path.empty()) return list;
    list = WithoutRecentFile(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > kMaxRecentFiles) list.resize(kMaxRecentFiles);
    return list;
}

std::vector<std::string> CleanRecentFiles(const std::vector<std::string>& list) {
    std::vector<std::string> clean;
    for (const std::string& path : list) {
        if (clean.size() == kMaxRecentFiles) break;
        if (!path.empty() && std::find(clean.begin(), clean.end(), path) == clean.end())
            clean.push_back(path);
    }
    return clean;
}

}  // namespace torsion
