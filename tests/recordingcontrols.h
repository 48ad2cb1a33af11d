#pragma once

#include "memorycontrols.h"

#include <QStringList>

// Keeps every write the engine makes, in order, as a short line such as "add List1(3) HEL".
class RecordingControls : public MemoryControls
{
public:
    QStringList writes;

    void setText(TextBox box, const QString &text) override
    {
        writes << QStringLiteral("set %1 %2").arg(name(box), text);
        MemoryControls::setText(box, text);
    }
    void appendText(TextBox box, const QString &piece) override
    {
        writes << QStringLiteral("append %1 %2").arg(name(box), piece);
        MemoryControls::appendText(box, piece);
    }
    void clearList(TrigramList list) override
    {
        writes << QStringLiteral("clear List1(%1)").arg(static_cast<int>(list));
        MemoryControls::clearList(list);
    }
    void addRow(TrigramList list, const QString &row) override
    {
        writes << QStringLiteral("add List1(%1) %2").arg(static_cast<int>(list)).arg(row);
        MemoryControls::addRow(list, row);
    }

private:
    static QString name(TextBox box)
    {
        switch (box) {
        case TextBox::Log:
            return QStringLiteral("Text1(0)");
        case TextBox::Message:
            return QStringLiteral("Text2(0)");
        case TextBox::Cipher:
            return QStringLiteral("Text2(1)");
        }
        return {};
    }
};
