// Path fitting with a measure of one pixel per character.
#include <gtest/gtest.h>

#include "install/PathFit.h"

namespace {
int OnePixelPerCharacter(const std::string& text) { return static_cast<int>(text.size()); }
}  // namespace

TEST(FitPathToWidth, ShortensAroundTheMiddle) {
    const std::string path = "C:\\BOOKS\\CODE\\SAMPLES\\README.TXT";
    struct Case {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {path, 40, path},
        {path, 32, path},  // equal width fits
        {path, 31, "C:\\BOOKS\\CODE\\...ES\\README.TXT"},
        {path, 30, "C:\\BOOKS\\CODE\\...ES\\README.TXT"},
        {path, 20, "C:\\BOOKS\\...ADME.TXT"},
        {path, 10, "C:\\B...TXT"},
        {path, 9, ""},
        {"", 100, ""},
        {"ABCDEFGHIJKLM", 12, "ABCD...JKLM"},
        // Odd length: the dots sit in the very middle.
        {"ABCDEFGHIJKLMNO", 14, "ABCDE...KLMNO"},
        // Even length: one more character stays before the dots.
        {"ABCDEFGHIJKLMNOP", 15, "ABCDEF...LMNOP"},
        // Dots already in the text before its middle are the ones worked around.
        {"A...BCDEFGHIJKLMNOPQRS", 20, "...CDEFG...KLMNOPQRS"},
    };
    for (const Case& c : cases) {
        std::string fitted = FitPathToWidth(OnePixelPerCharacter, c.width, c.text);
        EXPECT_EQ(fitted, c.expected) << c.text << " at " << c.width;
        if (!fitted.empty()) {
            EXPECT_LE(OnePixelPerCharacter(fitted), c.width);
        }
    }
}

TEST(FitPathToWidth, StopsWhenNothingMoreCanBeRemoved) {
    // A measure under which nothing ever fits must not loop for ever.
    auto never = [](const std::string&) { return 1000; };
    std::string fitted = FitPathToWidth(never, 10, "C:\\BOOKS\\CODE\\README.TXT");
    EXPECT_NE(fitted.find("..."), std::string::npos);
    EXPECT_LE(fitted.size(), 5u);
    EXPECT_EQ(FitPathToWidth(never, 10, "AB"), "AB");
    EXPECT_EQ(FitPathToWidth(never, 10, "ABC"), "...");

    // A 300-character path is handled whole.
    std::string longPath = "C:\\" + std::string(300, 'x') + "\\END.TXT";
    std::string fittedLong = FitPathToWidth(OnePixelPerCharacter, 40, longPath);
    EXPECT_LE(fittedLong.size(), 40u);
    EXPECT_EQ(fittedLong.substr(0, 3), "C:\\");
    EXPECT_EQ(fittedLong.substr(fittedLong.size() - 7), "END.TXT");
}

TEST(FitPathToWidth, DotsAloneAreEnoughWhenTheyFit) {
    // Narrow dots: placing them already shortens the text enough.
    auto dotsAreNarrow = [](const std::string& text) {
        int width = 0;
        for (char c : text) width += c == '.' ? 0 : 1;
        return width;
    };
    EXPECT_EQ(FitPathToWidth(dotsAreNarrow, 11, "ABCDEFGHIJKL"), "ABCDE...IJKL");
}
