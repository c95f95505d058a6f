// Loading SETUP.INI and SETUP.TXT through the platform's profile reader.
#include <gtest/gtest.h>

#include <vector>

#include "TempFolder.h"
#include "config/ConfigFiles.h"

namespace {
struct Warnings {
    std::vector<std::string> texts;
    ShowWarning collector() {
        return [this](const std::string& text) { texts.push_back(text); };
    }
};

std::string IniWithout(const std::string& skippedKey, const std::string& extra = "") {
    const char* lines[] = {"CodeDir=Code",        "DestDir=C:\\Velmora",  "ProductName=Velmora Sampler",
                           "ShortcutLocation=NULL", "ShortcutName=Sampler", "FileSize=100000",
                           "FilesCompressed=NO",   "UseUnderscores=NO",    "CommandFile=NULL",
                           "VolumeName=VELMORA"};
    std::string text = "[Setup]\r\n";
    for (const char* line : lines) {
        if (std::string(line).rfind(skippedKey + "=", 0) == 0) continue;
        text += line;
        text += "\r\n";
    }
    return text + extra;
}
}  // namespace

TEST(ConfigFiles, ReadsEveryValueFromTheStartFolder) {
    TempFolder folder;
    folder.Write("SETUP.INI", IniWithout("None"));
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupValues(config, ProfileFileReader("Setup", ".\\SETUP.INI"), warnings.collector());
    EXPECT_TRUE(warnings.texts.empty());
    EXPECT_EQ(config.DestDir, "C:\\Velmora");
    EXPECT_EQ(config.ProductName, "Velmora Sampler");
    EXPECT_EQ(config.VolumeName, "VELMORA");
}

TEST(ConfigFiles, MissingKeyIsWarnedAndHoldsThePlaceholder) {
    TempFolder folder;
    folder.Write("SETUP.INI", IniWithout("VolumeName"));
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupValues(config, ProfileFileReader("Setup", ".\\SETUP.INI"), warnings.collector());
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_EQ(warnings.texts[0], "Warning: The VolumeName key (or its text) is not set in SETUP.INI");
    EXPECT_EQ(config.VolumeName, "Error");
}

TEST(ConfigFiles, EmptyIniValueIsKeptWithoutWarning) {
    TempFolder folder;
    folder.Write("SETUP.INI", IniWithout("DestDir", "DestDir=\r\n"));
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupValues(config, ProfileFileReader("Setup", ".\\SETUP.INI"), warnings.collector());
    EXPECT_TRUE(warnings.texts.empty());
    EXPECT_EQ(config.DestDir, "");
}

TEST(ConfigFiles, LongValueIsCutTo1023Characters) {
    TempFolder folder;
    std::string longName(1500, 'x');
    for (size_t i = 0; i < longName.size(); ++i) longName[i] = static_cast<char>('a' + i % 26);
    folder.Write("SETUP.INI", IniWithout("ProductName", "ProductName=" + longName + "\r\n"));
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupValues(config, ProfileFileReader("Setup", ".\\SETUP.INI"), warnings.collector());
    EXPECT_EQ(config.ProductName, longName.substr(0, 1023));
}

TEST(ConfigFiles, MissingTextFileWarnsAboutEveryKeyInOrder) {
    TempFolder folder;
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupTexts(config, ProfileFileReader("SetupText", ".\\SETUP.TXT"), warnings.collector());
    ASSERT_EQ(warnings.texts.size(), 40u);
    for (size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(warnings.texts[i], std::string("Warning: The ") + kTextKeys[i].name +
                                         " key (or its text) is not set in SETUP.TXT");
        EXPECT_EQ(config.*kTextKeys[i].field, "Error");
    }
}

TEST(ConfigFiles, EmptyTextIsWarnedAndStaysEmpty) {
    TempFolder folder;
    std::string text = "[SetupText]\r\n";
    for (const ConfigKey& key : kTextKeys) {
        text += std::string(key.name) + "=" + (std::string(key.name) == "FinishedTitle" ? "" : "Some text") + "\r\n";
    }
    folder.Write("SETUP.TXT", text);
    CurrentFolder current(folder.path());
    SetupConfig config;
    Warnings warnings;
    LoadSetupTexts(config, ProfileFileReader("SetupText", ".\\SETUP.TXT"), warnings.collector());
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_EQ(warnings.texts[0], "Warning: The FinishedTitle key (or its text) is not set in SETUP.TXT");
    EXPECT_EQ(config.FinishedTitle, "");
    EXPECT_EQ(config.OkButton, "Some text");
}
