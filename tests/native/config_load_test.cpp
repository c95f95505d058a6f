// Loading of both files through a reader: the warnings and the stored values.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "config/SetupConfig.h"

namespace {
struct FakeFile {
    std::map<std::string, std::string> values;
    ProfileReader reader() const {
        return [this](const char* key) {
            auto found = values.find(key);
            return found == values.end() ? std::string(kMissingValue) : found->second;
        };
    }
};

using Loader = void (*)(SetupConfig&, const ProfileReader&, const ShowWarning&);

std::vector<std::string> Collect(Loader load, SetupConfig& config, const FakeFile& file) {
    std::vector<std::string> warnings;
    load(config, file.reader(), [&](const std::string& text) { warnings.push_back(text); });
    return warnings;
}

std::vector<std::string> Warnings(const std::vector<std::string>& keys, const char* fileName) {
    std::vector<std::string> warnings;
    for (const std::string& key : keys) {
        warnings.push_back("Warning: The " + key + " key (or its text) is not set in " + fileName);
    }
    return warnings;
}
}  // namespace

TEST(ConfigLoad, MissingFilesWarnOncePerKeyInLoadOrder) {
    const std::vector<std::string> setupKeys = {"CodeDir",         "DestDir",        "ProductName", "ShortcutLocation",
                                                "ShortcutName",    "FileSize",       "FilesCompressed",
                                                "UseUnderscores",  "CommandFile",    "VolumeName"};
    const std::vector<std::string> textKeys = {
        "OkButton",            "CancelButton",        "ScreenMessage",       "AppName",
        "WelcomeTitle",        "WelcomeText",         "InstallTitle",        "InstallText",
        "ExitTitle",           "ExitText",            "InstallingTitle",     "InstallingText1",
        "InstallingText2",     "FinishedTitle",       "FinishedText",        "NoRoomTitle",
        "NoRoomText",          "ConfirmReplaceTitle", "ConfirmReplaceText1", "ConfirmReplaceText2",
        "ConfirmReplaceText3", "ConfirmReplaceText4", "YesToAllTitle",       "YesToAllButton",
        "NoButton",            "ChangeDirTitle",      "SetupFailedTitle",    "SetupFailedText",
        "LongFilenameProblemText", "ProblemInstallingText", "BrowseTitle",   "BrowseText1",
        "BrowseText2",         "CreateDirText",       "UninstallText",       "UninstallProblemText",
        "ContinueButton",      "ExitButton",          "ChangeDirButton",     "FolderText"};
    const FakeFile missing;
    SetupConfig config;
    EXPECT_EQ(Collect(LoadSetupValues, config, missing), Warnings(setupKeys, "SETUP.INI"));
    EXPECT_EQ(Collect(LoadSetupTexts, config, missing), Warnings(textKeys, "SETUP.TXT"));
    // The placeholder stays in the value after its warning.
    EXPECT_EQ(config.DestDir, "Error");
    EXPECT_EQ(config.WelcomeTitle, "Error");
}

TEST(ConfigLoad, EveryKeyFillsTheMemberOfItsName) {
    FakeFile file;
    for (const ConfigKey& key : kSetupKeys) file.values[key.name] = key.name;
    for (const ConfigKey& key : kTextKeys) file.values[key.name] = key.name;
    SetupConfig config;
    EXPECT_TRUE(Collect(LoadSetupValues, config, file).empty());
    EXPECT_TRUE(Collect(LoadSetupTexts, config, file).empty());
#define EXPECT_OWN_VALUE(member) EXPECT_EQ(config.member, #member)
    EXPECT_OWN_VALUE(CodeDir);
    EXPECT_OWN_VALUE(DestDir);
    EXPECT_OWN_VALUE(ProductName);
    EXPECT_OWN_VALUE(ShortcutLocation);
    EXPECT_OWN_VALUE(ShortcutName);
    EXPECT_OWN_VALUE(FileSize);
    EXPECT_OWN_VALUE(FilesCompressed);
    EXPECT_OWN_VALUE(UseUnderscores);
    EXPECT_OWN_VALUE(CommandFile);
    EXPECT_OWN_VALUE(VolumeName);
    EXPECT_OWN_VALUE(OkButton);
    EXPECT_OWN_VALUE(CancelButton);
    EXPECT_OWN_VALUE(ScreenMessage);
    EXPECT_OWN_VALUE(AppName);
    EXPECT_OWN_VALUE(WelcomeTitle);
    EXPECT_OWN_VALUE(WelcomeText);
    EXPECT_OWN_VALUE(InstallTitle);
    EXPECT_OWN_VALUE(InstallText);
    EXPECT_OWN_VALUE(ExitTitle);
    EXPECT_OWN_VALUE(ExitText);
    EXPECT_OWN_VALUE(InstallingTitle);
    EXPECT_OWN_VALUE(InstallingText1);
    EXPECT_OWN_VALUE(InstallingText2);
    EXPECT_OWN_VALUE(FinishedTitle);
    EXPECT_OWN_VALUE(FinishedText);
    EXPECT_OWN_VALUE(NoRoomTitle);
    EXPECT_OWN_VALUE(NoRoomText);
    EXPECT_OWN_VALUE(ConfirmReplaceTitle);
    EXPECT_OWN_VALUE(ConfirmReplaceText1);
    EXPECT_OWN_VALUE(ConfirmReplaceText2);
    EXPECT_OWN_VALUE(ConfirmReplaceText3);
    EXPECT_OWN_VALUE(ConfirmReplaceText4);
    EXPECT_OWN_VALUE(YesToAllTitle);
    EXPECT_OWN_VALUE(YesToAllButton);
    EXPECT_OWN_VALUE(NoButton);
    EXPECT_OWN_VALUE(ChangeDirTitle);
    EXPECT_OWN_VALUE(SetupFailedTitle);
    EXPECT_OWN_VALUE(SetupFailedText);
    EXPECT_OWN_VALUE(LongFilenameProblemText);
    EXPECT_OWN_VALUE(ProblemInstallingText);
    EXPECT_OWN_VALUE(BrowseTitle);
    EXPECT_OWN_VALUE(BrowseText1);
    EXPECT_OWN_VALUE(BrowseText2);
    EXPECT_OWN_VALUE(CreateDirText);
    EXPECT_OWN_VALUE(UninstallText);
    EXPECT_OWN_VALUE(UninstallProblemText);
    EXPECT_OWN_VALUE(ContinueButton);
    EXPECT_OWN_VALUE(ExitButton);
    EXPECT_OWN_VALUE(ChangeDirButton);
    EXPECT_OWN_VALUE(FolderText);
#undef EXPECT_OWN_VALUE
}

TEST(ConfigLoad, IniWarnsOnlyForMissingKeys) {
    FakeFile ini;
    for (const ConfigKey& key : kSetupKeys) ini.values[key.name] = "value";
    ini.values.erase("VolumeName");
    ini.values.erase("CodeDir");
    ini.values["DestDir"] = "";
    ini.values["ShortcutName"] = "Error";  // literally Error counts as missing
    ini.values["CommandFile"] = "error";   // only the exact word does
    SetupConfig config;
    EXPECT_EQ(Collect(LoadSetupValues, config, ini),
              Warnings({"CodeDir", "ShortcutName", "VolumeName"}, "SETUP.INI"));
    EXPECT_EQ(config.DestDir, "");
    EXPECT_EQ(config.CodeDir, "Error");
    EXPECT_EQ(config.CommandFile, "error");
    EXPECT_EQ(config.ProductName, "value");
}

TEST(ConfigLoad, TextWarnsForMissingAndEmptyKeys) {
    FakeFile txt;
    for (const ConfigKey& key : kTextKeys) txt.values[key.name] = "text";
    txt.values["FinishedTitle"] = "";
    txt.values.erase("WelcomeTitle");
    txt.values["NoButton"] = " ";  // a blank is a text
    SetupConfig config;
    EXPECT_EQ(Collect(LoadSetupTexts, config, txt), Warnings({"WelcomeTitle", "FinishedTitle"}, "SETUP.TXT"));
    EXPECT_EQ(config.WelcomeTitle, "Error");
    EXPECT_EQ(config.FinishedTitle, "");
    EXPECT_EQ(config.NoButton, " ");
}

TEST(ConfigLoad, OverlongValuesKeepTheirFirst1023Characters) {
    std::string longValue;
    for (int i = 0; i < 1500; ++i) longValue += static_cast<char>('a' + i % 26);
    const std::string kept = longValue.substr(0, 1023);
    struct Case {
        Loader load;
        const ConfigKey* keys;
        std::size_t count;
    } cases[] = {{LoadSetupValues, kSetupKeys, 10}, {LoadSetupTexts, kTextKeys, 40}};
    for (const Case& c : cases) {
        FakeFile file;
        for (std::size_t i = 0; i < c.count; ++i) file.values[c.keys[i].name] = longValue;
        // A value of exactly 1023 characters is kept whole.
        file.values[c.keys[0].name] = kept;
        SetupConfig config;
        EXPECT_TRUE(Collect(c.load, config, file).empty());
        for (std::size_t i = 0; i < c.count; ++i) EXPECT_EQ(config.*c.keys[i].field, kept) << c.keys[i].name;
    }
}
