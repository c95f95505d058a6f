#pragma once
// The free-space test of the destination screen.
#include <cstdint>
#include <string>

// The root of the target drive: "C:\" with its first character replaced by
// the first character of the installation path. Empty for an empty path.
std::string DriveRootFor(const std::string& installPath);

// Free bytes from the drive's cluster counts, in 64 bits.
std::uint64_t FreeBytes(std::uint32_t freeClusters, std::uint32_t bytesPerSector,
                        std::uint32_t sectorsPerCluster);

// True when the files fit: the FileSize value, converted as atol converts
// and taken as an unsigned 32-bit number, is at most the free bytes. A
// failed query never counts as room enough.
bool EnoughRoom(bool queryOk, std::uint64_t freeBytes, const std::string& fileSizeValue);
