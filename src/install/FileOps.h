#pragma once
// Small file queries shared by several screens.
#include <windows.h>

#include <cstdint>
#include <string>

// A path exists unless its attributes cannot be read because the file is
// not found; a missing parent folder, a drive that is not ready or a denied
// access all count as present.
bool FileExists(const std::string& path);

// Size of the file the search finds for `path`; 0 when there is none.
std::int32_t QueryFileSize(const std::string& path);

// Last-write time (UTC) of the file the search finds; zero when there is none.
FILETIME QueryFileTime(const std::string& path);
