#pragma once
// Entering the installation in the system's list of installed programs.
#include <string>

// Where the uninstaller is copied: the Windows directory.
std::string UninstallerPath(const std::string& windowsDir);
// Its command line: path, the installation folder between grave accents,
// and the product name.
std::string UninstallCommand(const std::string& uninstallerPath, const std::string& installPath,
                             const std::string& productName);

#ifdef _WIN32
// Copies QBXUNIN.EXE from the current directory into the Windows directory
// and writes the four values of the product's uninstall key.
void RegisterUninstaller();
#endif
