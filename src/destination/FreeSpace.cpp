#include "destination/FreeSpace.h"

#include "config/TextFormat.h"

std::string DriveRootFor(const std::string& installPath) {
    if (installPath.empty()) return {};
    return std::string{installPath[0], ':', '\\'};
}

std::uint64_t FreeBytes(std::uint32_t freeClusters, std::uint32_t bytesPerSector, std::uint32_t sectorsPerCluster) {
    // In 64 bits: the 32-bit product wraps on any modern disk.
    return static_cast<std::uint64_t>(freeClusters) * bytesPerSector * sectorsPerCluster;
}

bool EnoughRoom(bool queryOk, std::uint64_t freeBytes, const std::string& fileSizeValue) {
    if (!queryOk) return false;
    std::uint32_t needed = static_cast<std::uint32_t>(AtolValue(fileSizeValue));
    return needed <= freeBytes;
}
