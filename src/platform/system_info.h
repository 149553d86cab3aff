#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tonalink {

// Total physical memory of the machine in bytes; nothing when it cannot be read.
std::optional<uint64_t> totalPhysicalMemoryBytes();

struct FreeSpace {
    QString mountPoint; // names the file system where Windows shows a drive letter
    uint64_t bytesFree = 0;
};

// Free space available to the user on the file system of the current directory.
std::optional<FreeSpace> freeSpaceOfCurrentDirectory();

} // namespace tonalink
