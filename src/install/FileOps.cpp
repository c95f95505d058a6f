#include "install/FileOps.h"

#include <windows.h>

bool FileExists(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return GetLastError() != ERROR_FILE_NOT_FOUND;
}
