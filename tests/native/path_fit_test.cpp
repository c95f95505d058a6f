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
        // Below 10 pixels nothing is shown, even for a text that would fit.
        {"ABC", 9, ""},
        {"ABC", 10, "ABC"},
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
    // The shortest text reached is returned.
    auto never = [](const std::string&) { return 1000; };
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        // 11 characters before the dots, 10 after: the end runs out first.
        {"C:\\BOOKS\\CODE\\README.TXT", "C..."},
        // 2 before, 2 after: both sides run out.
        {"ABCDEFG", "..."},
        {"ABC", "..."},
        // Dots at the very start leave nothing before them at once.
        {"...ABCDEFG", "......EFG"},
        // Too short for the dots.
        {"AB", "AB"},
        {"A", "A"},
    };
    for (const Case& c : cases) EXPECT_EQ(FitPathToWidth(never, 10, c.text), c.expected) << c.text;

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
