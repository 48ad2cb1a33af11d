#pragma once

#include <QString>

// The text boxes the engine reads and writes: the calculation log Text1(0),
// the message box Text2(0) and the cipher box Text2(1).
enum class TextBox { Log, Message, Cipher };

// The trigram lists, numbered as List1(1) to List1(3) in the window.
enum class TrigramList { Cipher = 1, Decoded = 2, Plain = 3 };

// Everything the engine may do to the window's controls. The window supplies thin
// adapters over its widgets; tests and benchmarks use MemoryControls.
class WorksheetControls
{
public:
    virtual ~WorksheetControls() = default;

    [[nodiscard]] virtual QString text(TextBox box) const = 0;
    virtual void setText(TextBox box, const QString &text) = 0;

    // Must leave the same text as setText(box, text(box) + piece). Adapters override it so that
    // growing the log costs the piece, not the whole text, and a long message stays linear.
    virtual void appendText(TextBox box, const QString &piece) { setText(box, text(box) + piece); }

    virtual void clearList(TrigramList list) = 0;
    virtual void addRow(TrigramList list, const QString &row) = 0;
};
