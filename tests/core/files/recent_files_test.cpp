#include "core/files/recent_files.h"

#include <gtest/gtest.h>

using namespace torsion;

namespace {

using List = std::vector<std::string>;

List Numbered(int count) {
    List list;
    for (int i = 1; i <= count; ++i) list.push_back("/f" + std::to_string(i));
    return list;
}

TEST(RecentFiles, NewestComesFirstOnceAndTheListStaysShort) {
    EXPECT_EQ(WithRecentFile({}, "/a"), (List{"/a"}));
    EXPECT_EQ(WithRecentFile({"/a", "/b", "/c"}, "/c"), (List{"/c", "/a", "/b"}));
    EXPECT_EQ(WithRecentFile({"/a"}, ""), (List{"/a"}));
    const List full = WithRecentFile(Numbered(8), "/new");
    ASSERT_EQ(full.size(), kMaxRecentFiles);
    EXPECT_EQ(full.front(), "/new");
    EXPECT_EQ(full.back(), "/f7");  // the oldest one dropped
}

TEST(RecentFiles, RemovingAndCleaning) {
    EXPECT_EQ(WithoutRecentFile({"/a", "/b"}, "/a"), (List{"/b"}));
    EXPECT_EQ(WithoutRecentFile({"/a"}, "/x"), (List{"/a"}));
    EXPECT_EQ(CleanRecentFiles({"", "/a", "/b", "/a", ""}), (List{"/a", "/b"}));
    EXPECT_EQ(CleanRecentFiles(Numbered(12)), Numbered(8));
}

}  // namespace
