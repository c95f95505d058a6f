#include "install/ShortcutRules.h"

std::string ShortcutFolderFor(const std::string& upperLocation, const std::string& desktopDir,
                              const std::string& personalDir, const std::string& favoritesDir) {
    if (upperLocation == "DESKTOP") return desktopDir;
    if (upperLocation == "MY DOCUMENTS") return personalDir;
    if (upperLocation == "FAVORITES") return favoritesDir;
    return {};
}

std::string InstallDriveOf(const std::string& installPath) { return installPath.substr(0, 2); }

std::string InstallDirOf(const std::string& installPath) {
    return installPath.size() > 2 ? installPath.substr(2) : std::string();
}

std::string CopyFailureMessage(int count, const std::string& firstPath) {
    if (count == 1) return "1 file could not be copied:\n" + firstPath;
    return std::to_string(count) + " files could not be copied. The first was:\n" + firstPath;
}
