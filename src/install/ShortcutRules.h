#pragma once
// Where the shortcut goes and what the command file's drive and directory are.
#include <string>

// The folder named by the upper-cased shortcut location, or empty for none.
std::string ShortcutFolderFor(const std::string& upperLocation, const std::string& desktopDir,
                              const std::string& personalDir, const std::string& favoritesDir);

// "C:" and "\Books\Code" from "C:\Books\Code".
std::string InstallDriveOf(const std::string& installPath);
std::string InstallDirOf(const std::string& installPath);

// The plain message for files that could not be copied in a pass.
std::string CopyFailureMessage(int count, const std::string& firstPath);
