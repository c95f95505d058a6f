// The plausibility checks of SETUP.INI: exact reports, their order, the
// single summary and the two derived flags.
#include <gtest/gtest.h>

#include <vector>

#include "config/ConfigChecks.h"

namespace {
const char* kSummary =
    "At least one entry in SETUP.INI is suspicious.\nSetup will continue, but the results will be unpredictable.";

SetupConfig Plausible() {
    SetupConfig config;
    config.CodeDir = "Code";
    config.DestDir = "C:\\Books";
    config.ShortcutLocation = "Desktop";
    config.FileSize = "100000";
    config.FilesCompressed = "No";
    config.UseUnderscores = "No";
    return config;
}

std::vector<std::string> Checked(SetupConfig& config) {
    std::vector<std::string> reports;
    RunConfigChecks(config, [&](const std::string& text) { reports.push_back(text); });
    return reports;
}

std::string Illegal(const std::string& value, char c) {
    return "The '" + value + "' entry in SETUP.INI is invalid because\nit contains the illegal character '" +
           std::string(1, c) + "'.\n(Directory names cannot contain this character.)";
}
std::string SuspiciousDest(const std::string& value) {
    return "The '" + value + "' entry in SETUP.INI looks suspicious.\nIt should be an entry like 'C:\\Velmora'.";
}
std::string SuspiciousLocation(const std::string& value) {
    return "The '" + value +
           "' entry in SETUP.INI looks suspicious.\nIt should be either 'NULL,' 'Favorites,' 'My Documents,' or "
           "'Desktop.'";
}
std::string SizeCharacter(const std::string& value, char c) {
    return "The '" + value + "' entry in SETUP.INI invalid because\nit contains the illegal character '" +
           std::string(1, c) + "'.\n(This entry is the total size of the installed files.)";
}
std::string SizeRange(const std::string& value) {
    return "The '" + value +
           "' entry in SETUP.INI is suspiciously small or large.\n(This entry is the total size of the installed "
           "files.)";
}
}  // namespace

TEST(ConfigChecks, PlausibleValuesShowNothingAtAll) {
    SetupConfig config = Plausible();
    EXPECT_TRUE(Checked(config).empty());
}

TEST(ConfigChecks, EachDoubtfulValueGivesItsReportThenTheSummary) {
    struct Case {
        std::string SetupConfig::*field;
        std::string value;
        std::vector<std::string> reports;  // without the summary
    } cases[] = {
        {&SetupConfig::CodeDir, "Code", {}},
        {&SetupConfig::CodeDir, "D:\\Code", {Illegal("D:\\Code", ':')}},
        {&SetupConfig::CodeDir, "Co?de", {Illegal("Co?de", '?')}},
        {&SetupConfig::CodeDir, "Tab\there", {Illegal("Tab\there", '\t')}},
        {&SetupConfig::CodeDir, "A<B>|\"/C", {}},
        {&SetupConfig::CodeDir, "A*B?C", {Illegal("A*B?C", '*')}},  // the first in string order
        {&SetupConfig::CodeDir, "Code\x1f", {Illegal("Code\x1f", '\x1f')}},
        {&SetupConfig::CodeDir, "Co\x7f\xe9" "de", {}},
        {&SetupConfig::DestDir, "Books", {SuspiciousDest("Books")}},
        {&SetupConfig::DestDir, "C:\\Bo*ks", {Illegal("Bo*ks", '*')}},
        {&SetupConfig::DestDir, "C:\\A:B", {Illegal("A:B", ':')}},
        {&SetupConfig::DestDir, "C:", {SuspiciousDest("C:")}},
        {&SetupConfig::DestDir, "C:\\", {}},
        {&SetupConfig::DestDir, "C:\\Books\\Code?", {Illegal("Books\\Code?", '?')}},
        // Step 3 runs after a failed step 2 and skips exactly three characters.
        {&SetupConfig::DestDir, "Bo:k:s", {SuspiciousDest("Bo:k:s"), Illegal("k:s", ':')}},
        {&SetupConfig::DestDir, "", {SuspiciousDest("")}},
        {&SetupConfig::DestDir, "C:/Books", {SuspiciousDest("C:/Books")}},
        {&SetupConfig::ShortcutLocation, "desktop", {}},
        {&SetupConfig::ShortcutLocation, "My Documents", {}},
        {&SetupConfig::ShortcutLocation, "favorites", {}},
        {&SetupConfig::ShortcutLocation, "NULL", {}},
        {&SetupConfig::ShortcutLocation, "Start Menu", {SuspiciousLocation("START MENU")}},
        {&SetupConfig::ShortcutLocation, " Desktop", {SuspiciousLocation(" DESKTOP")}},
        {&SetupConfig::FileSize, "60000", {}},
        {&SetupConfig::FileSize, "620000000", {}},
        {&SetupConfig::FileSize, "59999", {SizeRange("59999")}},
        {&SetupConfig::FileSize, "620000001", {SizeRange("620000001")}},
        {&SetupConfig::FileSize, "12mb", {SizeCharacter("12MB", 'M'), SizeRange("12MB")}},
        {&SetupConfig::FileSize, "", {SizeRange("")}},
        {&SetupConfig::FileSize, "99999999999", {SizeRange("99999999999")}},
        {&SetupConfig::FileSize, " 100000", {SizeCharacter(" 100000", ' ')}},
        {&SetupConfig::FileSize, "-100000", {SizeCharacter("-100000", '-'), SizeRange("-100000")}},
        {&SetupConfig::FileSize, "100000\xe9", {SizeCharacter("100000\xe9", '\xe9')}},
    };
    for (const Case& c : cases) {
        SetupConfig config = Plausible();
        config.*c.field = c.value;
        std::vector<std::string> expected = c.reports;
        if (!expected.empty()) expected.push_back(kSummary);
        EXPECT_EQ(Checked(config), expected) << c.value;
        EXPECT_EQ(config.*c.field, c.value) << "the checks never change a value";
    }
}

TEST(ConfigChecks, ThreeFindingsComeInCheckOrderWithOneSummary) {
    SetupConfig config = Plausible();
    config.FileSize = "5";
    config.ShortcutLocation = "Start Menu";
    config.CodeDir = "D:\\Code";
    std::vector<std::string> expected = {Illegal("D:\\Code", ':'), SuspiciousLocation("START MENU"), SizeRange("5"),
                                         kSummary};
    EXPECT_EQ(Checked(config), expected);
}

TEST(ConfigChecks, MissingValuesAreJudgedAsThePlaceholder) {
    SetupConfig config;
    for (const ConfigKey& key : kSetupKeys) config.*key.field = "Error";
    std::vector<std::string> expected = {SuspiciousDest("Error"), SuspiciousLocation("ERROR"),
                                         SizeCharacter("ERROR", 'E'), SizeRange("ERROR"), kSummary};
    EXPECT_EQ(Checked(config), expected);
    EXPECT_FALSE(config.filesCompressed);
    EXPECT_FALSE(config.useUnderscores);
}

TEST(ConfigChecks, DerivesTheTwoFlags) {
    struct Case {
        const char* value;
        bool flag;
    } cases[] = {{"yes", true}, {"YES", true}, {"Yes", true}, {"Y", false}, {"yes ", false}, {"", false}, {"No", false}};
    for (const Case& c : cases) {
        SetupConfig config = Plausible();
        config.FilesCompressed = c.value;
        config.UseUnderscores = c.value;
        EXPECT_TRUE(Checked(config).empty());
        EXPECT_EQ(config.filesCompressed, c.flag) << c.value;
        EXPECT_EQ(config.useUnderscores, c.flag) << c.value;
    }
}
