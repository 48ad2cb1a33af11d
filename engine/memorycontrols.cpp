#include "memorycontrols.h"

QString MemoryControls::text(TextBox box) const
{
    return m_texts[slot(box)];
}

void MemoryControls::setText(TextBox box, const QString &text)
{
    m_texts[slot(box)] = text;
}

void MemoryControls::appendText(TextBox box, const QString &piece)
{
    m_texts[slot(box)] += piece;
}

void MemoryControls::clearList(TrigramList list)
{
    m_lists[slot(list)].clear();
}

void MemoryControls::addRow(TrigramList list, const QString &row)
{
    m_lists[slot(list)].append(row);
}

const QStringList &MemoryControls::rows(TrigramList list) const
{
    return m_lists[slot(list)];
}
