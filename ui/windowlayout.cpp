#include "windowlayout.h"

#include <QStringList>

namespace WindowLayout {

namespace {

constexpr QRgb LightOrange = 0xFFC080;
constexpr QRgb LightRed = 0xFF8080;
constexpr QRgb LightGreen = 0x80FF80;
constexpr QRgb Red = 0xFF0000;

using enum ControlArray;

constexpr Control Table[] = {
    { Label1, 0, 960, 0, 5055, 375, LightOrange, Content::Caption,
      "Информатика - полиграфов шифър, cipher Hill", Centred },
    { Label1, 1, 120, 480, 1815, 375, LightOrange, Content::Caption, "Съобщение:", Centred },
    { Text2, 0, 1920, 480, 3855, 405, 0, Content::None, nullptr, TypingLimit },
    { Command1, 0, 5880, 480, 1215, 375, LightGreen, Content::Caption, "Криптирай", Plain },
    { Label1, 2, 120, 960, 1815, 375, LightOrange, Content::Caption, "Шифрирано:", Centred },
    { Text2, 1, 1920, 960, 3855, 405, 0, Content::None, nullptr, ReadOnly | TypingLimit },
    { Command1, 1, 5880, 960, 1215, 375, Red, Content::Caption, "Изчисти", Plain },
    { Label2, 0, 1440, 1440, 1575, 1215, LightRed, Content::Caption,
      "Шифриране:\r\n6    24   1\r\n13  16  10\r\n20  17  15\r\n", Plain },
    { Label2, 1, 3240, 1440, 1575, 1215, LightRed, Content::Caption,
      "Дешифриране:\r\n8     5  10\r\n21   8   21\r\n21  12  8\r\n", Plain },
    { Label1, 4, 5280, 1560, 1215, 375, LightOrange, Content::Caption, "Букви", Centred },
    { List1, 0, 5280, 1920, 1215, 2055, 0, Content::LetterTable, nullptr, Plain },
    { Label1, 3, 120, 2280, 1215, 375, LightOrange, Content::Caption, "Въведено", Centred },
    { List1, 3, 120, 2640, 1215, 1485, 0, Content::None, nullptr, Plain },
    { List1, 1, 1560, 2640, 1215, 1485, 0, Content::None, nullptr, Plain },
    { List1, 2, 3360, 2640, 1215, 1485, 0, Content::None, nullptr, Plain },
    { Text1, 0, 120, 4200, 6735, 2055, 0, Content::Explanation, nullptr, ReadOnly },
    { Text1, 1, 600, 4680, 6735, 1815, 0, Content::Quote, nullptr, ReadOnly | Hidden },
};

constexpr ControlRef TabOrder[] = {
    { Text1, 0 }, { List1, 0 }, { Text2, 0 }, { Text2, 1 }, { List1, 1 },
    { List1, 2 }, { Command1, 0 }, { Command1, 1 }, { List1, 3 },
};

constexpr CaptionLink Captions[] = {
    { { Label1, 1 }, { Text2, 0 }, "Съобщение" },
    { { Label1, 2 }, { Text2, 1 }, "Шифриран текст" },
    { { Label1, 4 }, { List1, 0 }, "Букви и кодовете им" },
    { { Label1, 3 }, { List1, 3 }, "Въведени тройки" },
    { { Label2, 0 }, { List1, 1 }, "Шифрирани тройки" },
    { { Label2, 1 }, { List1, 2 }, "Дешифрирани тройки" },
};

} // namespace

QRect Control::geometry() const
{
    return { left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel };
}

QString windowTitle()
{
    return QStringLiteral("http://www.example.org Информатика - криптиране");
}

QSize clientSize()
{
    return { ClientWidth / TwipsPerPixel, ClientHeight / TwipsPerPixel };
}

std::span<const Control> controls()
{
    return Table;
}

std::span<const ControlRef> focusOrder()
{
    return TabOrder;
}

QString objectName(ControlRef ref)
{
    static constexpr const char *ArrayNames[] = { "Text1", "Text2", "List1", "Command1", "Label1", "Label2" };
    return QStringLiteral("%1_%2").arg(QLatin1String(ArrayNames[static_cast<int>(ref.array)])).arg(ref.index);
}

std::span<const CaptionLink> captionLinks()
{
    return Captions;
}

QString logAccessibleName()
{
    return QStringLiteral("Обяснение и изчисления");
}

QStringList fontFamilies()
{
    return { QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif") };
}

QFont font()
{
    QFont font;
    font.setFamilies(fontFamilies());
    font.setPointSize(FontPointSize);
    return font;
}

} // namespace WindowLayout
