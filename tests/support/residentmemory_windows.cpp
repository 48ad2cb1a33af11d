#include "residentmemory.h"

#include <windows.h>
#include <psapi.h>

namespace ResidentMemory {

// The working set is what Windows calls the pages a process holds in RAM.
qint64 kib()
{
    PROCESS_MEMORY_COUNTERS counters {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return qint64(counters.WorkingSetSize / 1024);
}

} // namespace ResidentMemory
