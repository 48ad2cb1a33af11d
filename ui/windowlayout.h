#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <span>

// The window is absolute: every control's place, colours and caption are data in one table.
namespace WindowLayout {

enum class ControlArray { Text1, Text2, List1, Command1, Label1, Label2 };

enum class Content { None, Caption, LetterTable, Explanation, Quote };

enum Setting : unsigned {
    Plain = 0,
    ReadOnly = 1 << 0,
    Hidden = 1 << 1,
    TypingLimit = 1 << 2,
    Centred = 1 << 3,
};

struct Control
{
    ControlArray array;
    int index;
    int left, top, width, height; // twips from the client area's top-left corner
    QRgb colour; // label background or button face; 0 keeps the system colours
    Content content;
    const char *caption; // UTF-8, with CR LF line breaks as the window shows them
    unsigned settings;

    [[nodiscard]] QRect geometry() const;
};

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidth = 7215;
inline constexpr int ClientHeight = 6360;
inline constexpr QRgb Background = 0xC0C0FF;
inline constexpr int FontPointSize = 12;
inline constexpr int MessageTypingLimit = 50;

[[nodiscard]] QString windowTitle();
[[nodiscard]] QSize clientSize();

// Controls in reading order of the window.
[[nodiscard]] std::span<const Control> controls();

struct ControlRef
{
    ControlArray array;
    int index;
};

// "Text1_0" for Text1(0): the object name that tests and assistive technology find a control by.
[[nodiscard]] QString objectName(ControlRef ref);

// Tab order, first to last; the first one holds the focus when the window opens.
[[nodiscard]] std::span<const ControlRef> focusOrder();

// Which label names which control: the label is the control's buddy, and the spoken name says
// what the control holds. Captions alone would not do: "Шифрирано:" and "Шифриране:" sound
// nearly alike, and none says that the lists hold trigrams.
struct CaptionLink
{
    ControlRef label;
    ControlRef control;
    const char *spokenName; // UTF-8
};
[[nodiscard]] std::span<const CaptionLink> captionLinks();

// The log box has no caption of its own; this is its name for assistive technology.
[[nodiscard]] QString logAccessibleName();

// Preferred font families, the first one that is installed wins.
[[nodiscard]] QStringList fontFamilies();

// The one font of the window and every control in it.
[[nodiscard]] QFont font();

} // namespace WindowLayout
