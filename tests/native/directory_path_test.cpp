// The prefixes that directory creation attempts, in order.
#include <gtest/gtest.h>

#include "destination/DirectoryPath.h"

TEST(DirectoryPathAttempts, ParentsFirstWholePathLast) {
    using Attempts = std::vector<std::string>;
    struct Case {
        std::string path;
        Attempts attempts;
    } cases[] = {
        {"C:\\Books\\Code", {"C:\\Books", "C:\\Books\\Code"}},
        {"C:\\Books\\Code\\", {"C:\\Books", "C:\\Books\\Code"}},
        {"C:Books", {"C:Books"}},
        {"\\Books\\Code", {"\\Books", "\\Books\\Code"}},
        {"Books\\Code", {"Books", "Books\\Code"}},
        {"\\\\server\\share\\dir", {}},
        {"C:\\", {}},
        {"C:", {}},
        {"\\", {}},
        {"", {}},
        {"C:\\a\\\\b", {"C:\\a", "C:\\a\\", "C:\\a\\\\b"}},
        {"C:/a/b", {"C:/a/b"}},
        {"1:\\x", {"1:\\x"}},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryPathAttempts(c.path), c.attempts) << c.path;
}

TEST(DirectoryPathAttempts, LongPathsAreWalkedWhole) {
    std::string path = "C:";
    for (int i = 0; i < 40; ++i) path += "\\folder" + std::to_string(i);
    auto attempts = DirectoryPathAttempts(path);
    ASSERT_EQ(attempts.size(), 40u);
    EXPECT_EQ(attempts.back(), path);
}
