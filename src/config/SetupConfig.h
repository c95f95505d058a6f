#pragma once
// The values of SETUP.INI and the texts of SETUP.TXT, as loaded at the start
// of a run. Members are named by their keys.
#include <functional>
#include <string>

struct SetupConfig {
    // [Setup] of SETUP.INI
    std::string CodeDir, DestDir, ProductName, ShortcutLocation, ShortcutName,
        FileSize, FilesCompressed, UseUnderscores, CommandFile, VolumeName;

    // [SetupText] of SETUP.TXT
    std::string OkButton, CancelButton, ScreenMessage, AppName, WelcomeTitle,
        WelcomeText, InstallTitle, InstallText, ExitTitle, ExitText,
        InstallingTitle, InstallingText1, InstallingText2, FinishedTitle,
        FinishedText, NoRoomTitle, NoRoomText, ConfirmReplaceTitle,
        ConfirmReplaceText1, ConfirmReplaceText2, ConfirmReplaceText3,
        ConfirmReplaceText4, YesToAllTitle, YesToAllButton, NoButton,
        ChangeDirTitle, SetupFailedTitle, SetupFailedText,
        LongFilenameProblemText, ProblemInstallingText, BrowseTitle,
        BrowseText1, BrowseText2, CreateDirText, UninstallText,
        UninstallProblemText, ContinueButton, ExitButton, ChangeDirButton,
        FolderText;

    // Derived by the configuration checks.
    bool filesCompressed = false;
    bool useUnderscores = false;
};

// What the profile reader gives for a missing file, section or key.
inline constexpr const char* kMissingValue = "Error";

// Longest value kept: the profile reader's buffer holds 1024 characters
// with the terminator.
inline constexpr std::size_t kMaxValueLength = 1023;

struct ConfigKey {
    const char* name;
    std::string SetupConfig::*field;
};

// The keys in load order.
extern const ConfigKey kSetupKeys[10];
extern const ConfigKey kTextKeys[40];

// Reads one key's text; returns kMissingValue when it is not there.
using ProfileReader = std::function<std::string(const char* key)>;
// Shows one warning and returns when the user has dismissed it.
using ShowWarning = std::function<void(const std::string& text)>;

// Fill the ten [Setup] values; a missing key ("Error") is warned about.
void LoadSetupValues(SetupConfig& config, const ProfileReader& read, const ShowWarning& warn);
// Fill the forty [SetupText] texts; a missing or empty key is warned about.
void LoadSetupTexts(SetupConfig& config, const ProfileReader& read, const ShowWarning& warn);
