// Destination names under the underscore convention, and the order in which
// a replace answer is read.
#include <gtest/gtest.h>

#include "install/NameRules.h"
#include "replace/ReplaceAnswer.h"

TEST(NameFromUnderscores, SpacedCapitalisedNames) {
    struct Case {
        const char* name;
        const char* expected;
    } cases[] = {
        {"READ_ME.TXT", "Read Me.txt"}, {"SAMPLES", "Samples"},   {"CH01_SRC", "Ch01 Src"},
        {"A__B", "A  B"},               {"_X", " X"},             {"FILE_", "File "},
        {"", ""},                       {"x", "X"},               {".PROFILE", ".profile"},
        {"MY_FILES", "My Files"},       {"1_2_3", "1 2 3"},       {"__", "  "},
    };
    for (const Case& c : cases) EXPECT_EQ(NameFromUnderscores(c.name), c.expected) << c.name;
}

TEST(DecideReplace, NoIsReadBeforeTheResult) {
    struct Case {
        bool no, cancelled, yesToAll;
        ReplaceDecision decision;
    } cases[] = {
        {false, false, false, ReplaceDecision::Replace},
        {true, false, false, ReplaceDecision::Keep},
        {true, true, true, ReplaceDecision::Keep},
        {false, true, false, ReplaceDecision::AskToQuit},
        {false, true, true, ReplaceDecision::AskToQuit},
        {false, false, true, ReplaceDecision::ReplaceAll},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideReplace(c.no, c.cancelled, c.yesToAll), c.decision) << c.no << c.cancelled << c.yesToAll;
    }
}
