#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// A letter code is 0 for 'A' up to 25 for 'Z'.
namespace LetterCode {

inline constexpr int AlphabetSize = 26;

[[nodiscard]] constexpr qint16 fromLetter(QChar letter)
{
    return static_cast<qint16>(letter.unicode() - u'A');
}

[[nodiscard]] constexpr QChar toLetter(qint16 code)
{
    return QChar(static_cast<char16_t>(code + u'A'));
}

[[nodiscard]] constexpr bool isCodeLetter(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

// Upper-cases one UTF-16 unit at a time, so the result is exactly as long as the input
// ('ß' stays 'ß', a surrogate stays itself) and no locale can change the outcome.
[[nodiscard]] QString upperCasedPerCharacter(const QString &text);

} // namespace LetterCode
