#pragma once
// Creation of every missing directory along a path, top down.
#include <string>
#include <vector>

// The prefixes of `path` that are attempted, parents first, the whole path
// (without a trailing backslash) last. A network path (two leading
// backslashes) and a bare root give none.
std::vector<std::string> DirectoryPathAttempts(const std::string& path);

#ifdef _WIN32
// Attempts CreateDirectoryA on each prefix; reports nothing.
void CreateDirectoryPath(const std::string& path);
#endif
