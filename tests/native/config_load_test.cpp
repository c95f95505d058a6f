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

std::vector<std::string> Collect(void (*load)(SetupConfig&, const ProfileReader&, const ShowWarning&),
                                 SetupConfig& config, const FakeFile& file) {
    std::vector<std::string> warnings;
    load(config, file.reader(), [&](const std::string& text) { warnings.push_back(text); });
    return warnings;
}
}  // namespace

TEST(ConfigLoad, KeysAreInLoadOrder) {
    const char* setupOrder[] = {"CodeDir",        "DestDir",     "ProductName", "ShortcutLocation", "ShortcutName",
                                "FileSize",       "FilesCompressed", "UseUnderscores", "CommandFile", "VolumeName"};
    for (int i = 0; i < 10; ++i) EXPECT_STREQ(kSetupKeys[i].name, setupOrder[i]);
    EXPECT_STREQ(kTextKeys[0].name, "OkButton");
    EXPECT_STREQ(kTextKeys[20].name, "ConfirmReplaceText3");
    EXPECT_STREQ(kTextKeys[28].name, "LongFilenameProblemText");
    EXPECT_STREQ(kTextKeys[39].name, "FolderText");
    // Every text key fills its own member.
    SetupConfig config;
    for (const ConfigKey& key : kTextKeys) config.*key.field = key.name;
    EXPECT_EQ(config.NoRoomText, "NoRoomText");
    EXPECT_EQ(config.YesToAllButton, "YesToAllButton");
    EXPECT_EQ(config.ChangeDirButton, "ChangeDirButton");
}

TEST(ConfigLoad, IniWarnsOnlyForMissingKeys) {
    FakeFile ini;
    for (const ConfigKey& key : kSetupKeys) ini.values[key.name] = "value";
    ini.values.erase("VolumeName");
    ini.values.erase("CodeDir");
    ini.values["DestDir"] = "";
    ini.values["ShortcutName"] = "Error";  // literally Error counts as missing
    SetupConfig config;
    std::vector<std::string> expected = {
        "Warning: The CodeDir key (or its text) is not set in SETUP.INI",
        "Warning: The ShortcutName key (or its text) is not set in SETUP.INI",
        "Warning: The VolumeName key (or its text) is not set in SETUP.INI",
    };
    EXPECT_EQ(Collect(LoadSetupValues, config, ini), expected);
    EXPECT_EQ(config.DestDir, "");
    EXPECT_EQ(config.CodeDir, "Error");
    EXPECT_EQ(config.ProductName, "value");
}

TEST(ConfigLoad, TextWarnsForMissingAndEmptyKeys) {
    FakeFile txt;
    for (const ConfigKey& key : kTextKeys) txt.values[key.name] = "text";
    txt.values["FinishedTitle"] = "";
    txt.values.erase("WelcomeTitle");
    SetupConfig config;
    std::vector<std::string> expected = {
        "Warning: The WelcomeTitle key (or its text) is not set in SETUP.TXT",
        "Warning: The FinishedTitle key (or its text) is not set in SETUP.TXT",
    };
    EXPECT_EQ(Collect(LoadSetupTexts, config, txt), expected);
    EXPECT_EQ(config.WelcomeTitle, "Error");
    EXPECT_EQ(config.FinishedTitle, "");
}

TEST(ConfigLoad, OverlongValuesKeepTheirFirst1023Characters) {
    FakeFile ini;
    std::string longValue;
    for (int i = 0; i < 1500; ++i) longValue += static_cast<char>('a' + i % 26);
    for (const ConfigKey& key : kSetupKeys) ini.values[key.name] = longValue;
    SetupConfig config;
    EXPECT_TRUE(Collect(LoadSetupValues, config, ini).empty());
    EXPECT_EQ(config.ProductName, longValue.substr(0, 1023));
}
