#include "windowcontrols.h"

#include "windowlayout.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The log box keeps its lines as paragraphs and reports them with LF; the engine writes
// and reads CR LF.
const QString EngineBreak = QStringLiteral("\r\n");
const QString WidgetBreak = QStringLiteral("\n");

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

void WindowControls::setLineText(QLineEdit *box, const QString &text)
{
    box->setMaxLength(qMax(WindowLayout::MessageTypingLimit, static_cast<int>(text.size())));
    box->setText(text);
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
