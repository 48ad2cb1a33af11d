#include "windowcontrols.h"

#include "windowlayout.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

namespace {

// The log box keeps its lines as paragraphs and reports them with LF; the engine writes
// and reads CR LF.
const QString EngineBreak = QStringLiteral("\r\n");
const QString WidgetBreak = QStringLiteral("\n");

// A line box cuts what the user types or pastes at its maximum length in UTF-16 units, which
// can keep the first half of a character outside the Basic Multilingual Plane. After such an
// edit the box is full and that half stands just before the cursor without its second half;
// it is removed, so the character is left out whole.
class WholeCharacters : public QValidator
{
public:
    explicit WholeCharacters(QLineEdit *box) : QValidator(box), m_box(box) { }

    State validate(QString &input, int &pos) const override
    {
        const bool cutInHalf = input.size() == m_box->maxLength() && pos > 0 && input[pos - 1].isHighSurrogate()
            && (pos == input.size() || !input[pos].isLowSurrogate());
        if (cutInHalf)
            input.remove(--pos, 1);
        return Acceptable;
    }

private:
    const QLineEdit *const m_box;
};

} // namespace

QString WindowControls::text(TextBox box) const
{
    if (box == TextBox::Log)
        return log->toPlainText().replace(WidgetBreak, EngineBreak);
    return lineBox(box)->text();
}

void WindowControls::setText(TextBox box, const QString &text)
{
    if (box == TextBox::Log)
        log->setPlainText(toWidgetText(text));
    else
        setLineText(lineBox(box), text);
}

void WindowControls::appendText(TextBox box, const QString &piece)
{
    if (box == TextBox::Log) {
        QTextCursor end(log->document());
        end.movePosition(QTextCursor::End);
        end.insertText(toWidgetText(piece));
    } else {
        QLineEdit *line = lineBox(box);
        setLineText(line, line->text() + piece);
    }
}

void WindowControls::clearList(TrigramList which)
{
    list(which)->clear();
}

void WindowControls::addRow(TrigramList which, const QString &row)
{
    list(which)->addItem(row);
}

void WindowControls::limitTyping(QLineEdit *box)
{
    box->setMaxLength(WindowLayout::MessageTypingLimit);
    box->setValidator(new WholeCharacters(box));
}

void WindowControls::setLineText(QLineEdit *box, const QString &text)
{
    // The box validates every change of its text; the program's own text is kept as it is given.
    const QValidator *typing = box->validator();
    box->setValidator(nullptr);
    box->setMaxLength(qMax(WindowLayout::MessageTypingLimit, static_cast<int>(text.size())));
    box->setText(text);
    box->setValidator(typing);
}

QString WindowControls::toWidgetText(const QString &engineText)
{
    return QString(engineText).replace(EngineBreak, WidgetBreak);
}

QLineEdit *WindowControls::lineBox(TextBox box) const
{
    return box == TextBox::Message ? message : cipher;
}

QListWidget *WindowControls::list(TrigramList which) const
{
    return lists[static_cast<std::size_t>(which) - 1];
}
