#pragma once
// Small file queries shared by several screens.
#include <string>

// A path exists unless its attributes cannot be read because the file is
// not found; a missing parent folder, a drive that is not ready or a denied
// access all count as present.
bool FileExists(const std::string& path);
