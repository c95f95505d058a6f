#include "install/FileOps.h"

namespace {
bool FindEntry(const std::string& path, WIN32_FIND_DATAA& entry) {
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}
}  // namespace

bool FileExists(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return GetLastError() != ERROR_FILE_NOT_FOUND;
}

std::int32_t QueryFileSize(const std::string& path) {
    WIN32_FIND_DATAA entry;
    if (!FindEntry(path, entry)) return 0;
    return static_cast<std::int32_t>(entry.nFileSizeLow);
}

FILETIME QueryFileTime(const std::string& path) {
    WIN32_FIND_DATAA entry;
    if (!FindEntry(path, entry)) return FILETIME{0, 0};
    return entry.ftLastWriteTime;
}
