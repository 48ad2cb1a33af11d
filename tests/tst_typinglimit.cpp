#include "brellow.h"
#include "support/keyboard.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

const QString Smile = QStringLiteral("\U0001F600"); // two UTF-16 units

QString letters(int count)
{
    return QString(count, QChar(u'a'));
}

} // namespace

class TestTypingLimit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeCharactersAtTheLimit_data();
    void wholeCharactersAtTheLimit();
    void programTextKeptAsGiven_data();
    void programTextKeptAsGiven();

private:
    QString m_clipboard;
};

void TestTypingLimit::init()
{
    m_clipboard = QApplication::clipboard()->text();
}

void TestTypingLimit::cleanup()
{
    QApplication::clipboard()->setText(m_clipboard);
}

void TestTypingLimit::wholeCharactersAtTheLimit_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");

    for (const bool paste : { false, true }) {
        const QByteArray how = paste ? "pasted: " : "typed: ";
        QTest::newRow(how + "pair fits in the last two units")
            << letters(48) << 48 << paste << Smile << letters(48) + Smile << 50;
        QTest::newRow(how + "pair does not fit in the last unit")
            << letters(49) << 49 << paste << Smile << letters(49) << 49;
        QTest::newRow(how + "pair does not fit before the end")
            << letters(49) << 10 << paste << Smile << letters(49) << 10;
        QTest::newRow(how + "second pair does not fit")
            << letters(47) << 47 << paste << Smile + Smile << letters(47) + Smile << 49;
        QTest::newRow(how + "pair fits, the letter after it does not")
            << letters(48) << 48 << paste << Smile + QStringLiteral("b") << letters(48) + Smile << 50;
    }
    QTest::newRow("pasted: 49 letters and two pairs into an empty box")
        << QString() << 0 << true << letters(49) + Smile + Smile << letters(49) << 49;
    QTest::newRow("pasted: pair does not fit over a selection")
        << letters(50) << -1 << true << Smile << letters(49) << 49;
}

// A negative cursor selects that many units at the end of the box, for the input to replace.
void TestTypingLimit::wholeCharactersAtTheLimit()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);

    Brellow window;
    QLineEdit *box = window.Text2[0];
    box->setText(start);
    if (cursor < 0)
        box->setSelection(int(start.size()), cursor);
    else
        box->setCursorPosition(cursor);

    if (paste) {
        QApplication::clipboard()->setText(input);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        Keyboard::typeText(box, input);
    }
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->cursorPosition(), expectedCursor);
}

void TestTypingLimit::programTextKeptAsGiven_data()
{
    QTest::addColumn<QString>("text");
    const QChar half = Smile[0];
    QTest::newRow("50 units ending in half a pair") << letters(49) + half;
    QTest::newRow("60 units ending in half a pair") << letters(59) + half;
}

// The engine may write any text it was given back into the box, however it ends.
void TestTypingLimit::programTextKeptAsGiven()
{
    QFETCH(QString, text);
    Brellow window;
    WindowControls::setLineText(window.Text2[0], text);
    QCOMPARE(window.Text2[0]->text(), text);
}

QTEST_MAIN(TestTypingLimit)
#include "tst_typinglimit.moc"
