#include "lettercode.h"

namespace LetterCode {

QString upperCasedPerCharacter(const QString &text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : text)
        *out++ = c.toUpper();
    return result;
}

} // namespace LetterCode
