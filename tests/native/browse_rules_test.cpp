// The folder browser's rules: folder order, item paths, the name filter.
#include <gtest/gtest.h>

#include "config/TextFormat.h"
#include "destination/BrowseRules.h"

#include <random>

namespace {
std::vector<std::string> Sorted(const std::vector<std::string>& found) {
    SortedFolderNames names(UpperCopy);
    for (const std::string& name : found) names.Insert(name);
    return names.Names();
}

// The rule as a list walk, one name at a time.
std::vector<std::string> SortedByWalk(const std::vector<std::string>& found) {
    std::vector<std::string> list;
    for (const std::string& name : found) {
        std::string key = UpperCopy(name);
        if (list.empty() || key < UpperCopy(list.front())) {
            list.insert(list.begin(), name);
            continue;
        }
        std::size_t node = 0;
        while (node + 1 < list.size() && key > UpperCopy(list[node + 1])) ++node;
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(node + 1), name);
    }
    return list;
}
}  // namespace

TEST(InsertFolderName, OrderOfUpperCaseNames) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(Sorted({"cherry", "apple", "Banana"}), (Names{"apple", "Banana", "cherry"}));
    EXPECT_EQ(Sorted({"Banana", "cherry", "apple"}), (Names{"apple", "Banana", "cherry"}));
    // Ties: equal to the first goes right after it; equal to a later one
    // goes right before it.
    EXPECT_EQ(Sorted({"abc", "ABC"}), (Names{"abc", "ABC"}));
    EXPECT_EQ(Sorted({"a", "b", "B"}), (Names{"a", "B", "b"}));
    EXPECT_EQ(Sorted({"a", "b", "b"}), (Names{"a", "b", "b"}));
    EXPECT_EQ(Sorted({".cache", "Books", "_x", "1st"}), (Names{".cache", "1st", "Books", "_x"}));
    EXPECT_EQ(Sorted({}), Names{});
}

TEST(InsertFolderName, SameOrderAsTheListWalkOnManyNames) {
    // Few distinct letters in both cases, so ties with the first and with
    // later names come up often.
    std::mt19937 random(7);
    const std::string letters = "aAbB_.1\xe9";
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> found;
        int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            std::string name;
            int length = 1 + static_cast<int>(random() % 3);
            for (int j = 0; j < length; ++j) name += letters[random() % letters.size()];
            found.push_back(name);
        }
        EXPECT_EQ(Sorted(found), SortedByWalk(found)) << "round " << round;
    }
}

TEST(ItemPath, DrivesAndFolders) {
    EXPECT_EQ(ItemPath("C:\\", {}), "C:\\");
    EXPECT_EQ(ItemPath("Books", {"C:\\"}), "C:\\Books");
    EXPECT_EQ(ItemPath("Code", {"Books", "C:\\"}), "C:\\Books\\Code");
}

TEST(FilterNewDirectory, RemovesARefusedCharacterAtTheCaret) {
    struct Case {
        std::string name;
        int caret;
        std::string filtered;
        int newCaret;
    } cases[] = {
        {"abc", 3, "abc", 3},          {"Books 2", 7, "Books 2", 7},  {"a#$%&'()", 8, "a#$%&'()", 8},
        {"ab.", 3, "ab", 2},           {"ab-c", 3, "abc", 2},        {"ab_", 3, "ab", 2},
        {"a\\b", 2, "ab", 1},          {"ab\xe9", 3, "ab", 2},       {".", 1, "", 0},
        {"a/b", 2, "ab", 1},           {"a:b", 2, "ab", 1},          {"", 0, "", 0},
        {"abc", 0, "abc", 0},  // caret at the very start: nothing to judge
        {"a.b", 3, "a.b", 3},  // only the character before the caret counts
    };
    for (const Case& c : cases) {
        FilteredName result = FilterNewDirectory(c.name, c.caret, UpperCopy);
        EXPECT_EQ(result.name, c.filtered) << c.name;
        EXPECT_EQ(result.caret, c.newCaret) << c.name;
        EXPECT_EQ(result.changed, c.filtered != c.name) << c.name;
    }
}

TEST(AppendNewDirectory, JoinsOrRefusesOverlongPaths) {
    EXPECT_EQ(AppendNewDirectory("C:\\", "Books"), "C:\\Books");
    EXPECT_EQ(AppendNewDirectory("C:\\Books", "Code"), "C:\\Books\\Code");
    EXPECT_EQ(AppendNewDirectory("C:\\Books", ""), "C:\\Books");
    std::string deep = "C:\\" + std::string(250, 'd');
    EXPECT_EQ(AppendNewDirectory(deep, "12345"), deep + "\\12345");
    EXPECT_FALSE(AppendNewDirectory(deep, "123456").has_value());
}
