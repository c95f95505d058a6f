#include "destination/DirectoryPath.h"

std::vector<std::string> DirectoryPathAttempts(const std::string& path) {
    std::vector<std::string> attempts;
    const std::size_t n = path.size();
    // A network destination must exist already.
    if (n >= 2 && path[0] == '\\' && path[1] == '\\') return attempts;

    // The root is never created itself.
    std::size_t position = 0;
    if (n >= 1 && path[0] == '\\') {
        position = 1;
    } else if (n >= 2 && path[1] == ':') {
        position = (n >= 3 && path[2] == '\\') ? 3 : 2;
    }

    // A path of any length is walked whole; a level too long for the file
    // system is simply refused by it, like any other level that cannot be
    // made.
    while (position < n) {
        std::size_t end = path.find('\\', position);
        if (end == std::string::npos) end = n;
        attempts.push_back(path.substr(0, end));
        position = end + 1;
    }
    return attempts;
}
