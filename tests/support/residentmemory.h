#pragma once

#include <QtGlobal>

namespace ResidentMemory {

// The memory the process holds in RAM right now, in KiB; -1 where it cannot be measured.
// Each platform's way of asking lives in its own residentmemory_<platform>.cpp.
[[nodiscard]] qint64 kib();

} // namespace ResidentMemory
