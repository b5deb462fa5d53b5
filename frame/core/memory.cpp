#include "memory.h"

#include <cstdio>
#include <unistd.h>

namespace vek {

namespace {

// MemAvailable of /proc/meminfo (free memory plus what the caches would give back), or
// the physical memory where that is not known.
qint64 AvailableBytes()
{
    if (FILE* info = std::fopen("/proc/meminfo", "r")) {
        char line[256];
        long long kib = -1;
        while (kib < 0 && std::fgets(line, sizeof line, info))
            if (std::sscanf(line, "MemAvailable: %lld kB", &kib) != 1)
                kib = -1;
        std::fclose(info);
        if (kib >= 0)
            return qint64(kib) * 1024;
    }
    return qint64(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE);
}

} // namespace

bool FitsInMemory(qint64 Bytes)
{
    const qint64 available = AvailableBytes();
    return Bytes >= 0 && (available <= 0 || Bytes <= available / 2);
}

} // namespace vek
