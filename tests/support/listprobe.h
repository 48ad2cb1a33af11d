#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>

// Reading and clicking list rows the way the window's tests need them.
namespace ListProbe {

inline QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// The selected row, or -1 for none.
inline int selectedRowOf(const QListWidget *list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

inline void clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

} // namespace ListProbe
