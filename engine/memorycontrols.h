#pragma once

#include "worksheetcontrols.h"

#include <QStringList>

#include <array>

// Text boxes and lists held in memory, for running the engine without a window.
class MemoryControls : public WorksheetControls
{
public:
    [[nodiscard]] QString text(TextBox box) const override;
    void setText(TextBox box, const QString &text) override;
    void appendText(TextBox box, const QString &piece) override;
    void clearList(TrigramList list) override;
    void addRow(TrigramList list, const QString &row) override;

    [[nodiscard]] const QStringList &rows(TrigramList list) const;

private:
    [[nodiscard]] static std::size_t slot(TextBox box) { return static_cast<std::size_t>(box); }
    [[nodiscard]] static std::size_t slot(TrigramList list) { return static_cast<std::size_t>(list) - 1; }

    std::array<QString, 3> m_texts;
    std::array<QStringList, 3> m_lists;
};
