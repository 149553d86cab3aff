#include "platform/system_info.h"

#include <QDir>
#include <QStorageInfo>
#include <unistd.h>

namespace tonalink {

std::optional<uint64_t> totalPhysicalMemoryBytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return std::nullopt;
    return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
}

std::optional<FreeSpace> freeSpaceOfCurrentDirectory() {
    const QStorageInfo storage(QDir::currentPath());
    if (!storage.isValid() || !storage.isReady() || storage.bytesAvailable() < 0)
        return std::nullopt;
    return FreeSpace{storage.rootPath(), static_cast<uint64_t>(storage.bytesAvailable())};
}

} // namespace tonalink
