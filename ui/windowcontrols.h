#pragma once

#include "worksheetcontrols.h"

#include <array>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The engine's view of the window: the log box, the message and cipher boxes and the three
// trigram lists, reached through their widgets.
class WindowControls : public WorksheetControls
{
public:
    QPlainTextEdit *log = nullptr;
    QLineEdit *message = nullptr;
    QLineEdit *cipher = nullptr;
    std::array<QListWidget *, 3> lists {}; // List1(1) to List1(3)

    [[nodiscard]] QString text(TextBox box) const override;
    void setText(TextBox box, const QString &text) override;
    void appendText(TextBox box, const QString &piece) override;
    void clearList(TrigramList list) override;
    void addRow(TrigramList list, const QString &row) override;

    // Limits what the user types or pastes into a line box to MessageTypingLimit UTF-16 units,
    // leaving out whole any character that does not fit.
    static void limitTyping(QLineEdit *box);

    // The typing limit applies to the user only: a longer text set by the program is kept whole.
    static void setLineText(QLineEdit *box, const QString &text);

    // Widgets break lines with LF where the engine writes CR LF.
    [[nodiscard]] static QString toWidgetText(const QString &engineText);

private:
    [[nodiscard]] QLineEdit *lineBox(TextBox box) const;
    [[nodiscard]] QListWidget *list(TrigramList list) const;
};
