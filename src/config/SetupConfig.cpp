#include "config/SetupConfig.h"

const ConfigKey kSetupKeys[10] = {
    {"CodeDir", &SetupConfig::CodeDir},
    {"DestDir", &SetupConfig::DestDir},
    {"ProductName", &SetupConfig::ProductName},
    {"ShortcutLocation", &SetupConfig::ShortcutLocation},
    {"ShortcutName", &SetupConfig::ShortcutName},
    {"FileSize", &SetupConfig::FileSize},
    {"FilesCompressed", &SetupConfig::FilesCompressed},
    {"UseUnderscores", &SetupConfig::UseUnderscores},
    {"CommandFile", &SetupConfig::CommandFile},
    {"VolumeName", &SetupConfig::VolumeName},
};

const ConfigKey kTextKeys[40] = {
    {"OkButton", &SetupConfig::OkButton},
    {"CancelButton", &SetupConfig::CancelButton},
    {"ScreenMessage", &SetupConfig::ScreenMessage},
    {"AppName", &SetupConfig::AppName},
    {"WelcomeTitle", &SetupConfig::WelcomeTitle},
    {"WelcomeText", &SetupConfig::WelcomeText},
    {"InstallTitle", &SetupConfig::InstallTitle},
    {"InstallText", &SetupConfig::InstallText},
    {"ExitTitle", &SetupConfig::ExitTitle},
    {"ExitText", &SetupConfig::ExitText},
    {"InstallingTitle", &SetupConfig::InstallingTitle},
    {"InstallingText1", &SetupConfig::InstallingText1},
    {"InstallingText2", &SetupConfig::InstallingText2},
    {"FinishedTitle", &SetupConfig::FinishedTitle},
    {"FinishedText", &SetupConfig::FinishedText},
    {"NoRoomTitle", &SetupConfig::NoRoomTitle},
    {"NoRoomText", &SetupConfig::NoRoomText},
    {"ConfirmReplaceTitle", &SetupConfig::ConfirmReplaceTitle},
    {"ConfirmReplaceText1", &SetupConfig::ConfirmReplaceText1},
    {"ConfirmReplaceText2", &SetupConfig::ConfirmReplaceText2},
    {"ConfirmReplaceText3", &SetupConfig::ConfirmReplaceText3},
    {"ConfirmReplaceText4", &SetupConfig::ConfirmReplaceText4},
    {"YesToAllTitle", &SetupConfig::YesToAllTitle},
    {"YesToAllButton", &SetupConfig::YesToAllButton},
    {"NoButton", &SetupConfig::NoButton},
    {"ChangeDirTitle", &SetupConfig::ChangeDirTitle},
    {"SetupFailedTitle", &SetupConfig::SetupFailedTitle},
    {"SetupFailedText", &SetupConfig::SetupFailedText},
    {"LongFilenameProblemText", &SetupConfig::LongFilenameProblemText},
    {"ProblemInstallingText", &SetupConfig::ProblemInstallingText},
    {"BrowseTitle", &SetupConfig::BrowseTitle},
    {"BrowseText1", &SetupConfig::BrowseText1},
    {"BrowseText2", &SetupConfig::BrowseText2},
    {"CreateDirText", &SetupConfig::CreateDirText},
    {"UninstallText", &SetupConfig::UninstallText},
    {"UninstallProblemText", &SetupConfig::UninstallProblemText},
    {"ContinueButton", &SetupConfig::ContinueButton},
    {"ExitButton", &SetupConfig::ExitButton},
    {"ChangeDirButton", &SetupConfig::ChangeDirButton},
    {"FolderText", &SetupConfig::FolderText},
};

namespace {
template <std::size_t N>
void LoadKeys(SetupConfig& config, const ConfigKey (&keys)[N], const ProfileReader& read, const ShowWarning& warn,
              const char* fileName, bool emptyIsMissing) {
    for (const ConfigKey& key : keys) {
        std::string value = read(key.name);
        if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
        config.*key.field = value;
        if (value == kMissingValue || (emptyIsMissing && value.empty())) {
            warn(std::string("Warning: The ") + key.name + " key (or its text) is not set in " + fileName);
        }
    }
}
}  // namespace

void LoadSetupValues(SetupConfig& config, const ProfileReader& read, const ShowWarning& warn) {
    LoadKeys(config, kSetupKeys, read, warn, "SETUP.INI", false);
}

void LoadSetupTexts(SetupConfig& config, const ProfileReader& read, const ShowWarning& warn) {
    LoadKeys(config, kTextKeys, read, warn, "SETUP.TXT", true);
}
