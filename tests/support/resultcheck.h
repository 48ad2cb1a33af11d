#pragma once

#include "cipherworksheet.h"
#include "memorycontrols.h"

#include <QStringList>

// What a finished encrypt action must leave in the controls, whatever the message was.
// Each function returns the rules that were broken, in words; empty when all hold.
namespace ResultCheck {

// The texts, the three lists and the log, for a message that was inputLength characters long.
[[nodiscard]] QStringList brokenRules(const MemoryControls &controls, qsizetype inputLength);

// The worksheet's vectors hold codes 0-25 only.
[[nodiscard]] QStringList brokenVectorRules(const CipherWorksheet &sheet);

} // namespace ResultCheck
