#pragma once

#include <QString>
#include <QStringList>

// The fixed texts the window opens with. Line breaks are CR LF.
namespace WindowTexts {

// What Text1(0) shows until the first encryption or clearing: 18 lines for the students.
[[nodiscard]] QString explanation();

// The hidden quote box's text.
[[nodiscard]] QString quote();

// The rows of the letter table, "A  -  0" to "Z  -  25".
[[nodiscard]] QStringList letterTable();

} // namespace WindowTexts
