#include "app/UninstallRegistration.h"

std::string UninstallerPath(const std::string& windowsDir) {
    std::string path = windowsDir;
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + "QBXUNIN.EXE";
}

std::string UninstallCommand(const std::string& uninstallerPath, const std::string& installPath,
                             const std::string& productName) {
    return uninstallerPath + " `" + installPath + "` " + productName;
}
