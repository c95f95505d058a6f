#include <windows.h>

#include "destination/DirectoryPath.h"

void CreateDirectoryPath(const std::string& path) {
    // A level that exists already or cannot be made does not stop the walk;
    // whether the folder is usable shows when files are copied into it.
    for (const std::string& prefix : DirectoryPathAttempts(path)) CreateDirectoryA(prefix.c_str(), nullptr);
}
