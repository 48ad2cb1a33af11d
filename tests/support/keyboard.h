#pragma once

#include <QString>
#include <QTest>

namespace Keyboard {

// Types text as a real keyboard would: one whole character a key press, both halves of a
// surrogate pair at once.
inline void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

} // namespace Keyboard
