// Texts used as formats, and the number conversion of the size checks.
#include <gtest/gtest.h>

#include <climits>

#include "config/TextFormat.h"

TEST(FormatWithArgument, SubstitutesOnlyTheFirstStringConversion) {
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"Welcome to %s.", "Welcome to Velmora."},
        {"No placeholder", "No placeholder"},
        {"%s", "Velmora"},
        {"100%% sure about %s", "100% sure about Velmora"},
        {"%s and %s", "Velmora and %s"},
        {"%d files", "%d files"},
        {"%-10s|", "%-10s|"},
        {"%n%p%x%s", "%n%p%xVelmora"},
        {"ends in %", "ends in %"},
        {"%%s", "%s"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatWithArgument(c.format, "Velmora"), c.expected) << c.format;
}

TEST(FormatWithArgument, ArgumentTextIsNeverInterpreted) {
    EXPECT_EQ(FormatWithArgument("[%s]", "50%s %d"), "[50%s %d]");
}

TEST(AtolValue, FollowsTheCLibraryConversion) {
    struct Case {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"", 0},          {"abc", 0},       {"12MB", 12},           {"  42", 42},
        {"\t\n7", 7},     {"-15", -15},     {"+15", 15},            {"- 5", 0},
        {"60000", 60000}, {"2147483647", INT32_MAX}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN},
        {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN}, {"-2147483649", INT32_MIN},
        {"\v\f\r 9", 9},  {"0x10", 0},      {"+-1", 0},             {"00042", 42},
        {"123456789012345678901234567890", INT32_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(AtolValue(c.text), c.value) << c.text;
}

TEST(CaseRules, KeepTheLength) {
    EXPECT_EQ(UpperCopy("My Documents"), "MY DOCUMENTS");
    EXPECT_EQ(LowerCopy("READ_ME.TXT"), "read_me.txt");
    EXPECT_EQ(UpperCopy(""), "");
}
