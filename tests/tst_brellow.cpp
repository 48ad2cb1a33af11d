#include "application.h"
#include "brellow.h"
#include "support/listprobe.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

using namespace ListProbe;

namespace {

const QString HelloLog = QStringLiteral("149, 265, 373 = 19, 5, 9\n"
                                        "424, 587, 788 = 8, 15, 8\n"
                                        "503, 564, 734 = 9, 18, 6\n"
                                        "\n"
                                        "267, 628, 531 = 7, 4, 11\n"
                                        "219, 456, 412 = 11, 14, 22\n"
                                        "222, 459, 453 = 14, 17, 11\n");

void typeAndEncrypt(Brellow &window, const QString &message)
{
    QTest::keyClicks(window.Text2[0], message);
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
}

} // namespace

class TestBrellow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Application::prepare(); }
    void controls_data();
    void controls();
    void window();
    void startUpState();
    void focusOrder();
    void typingLimit_data();
    void typingLimit();
    void readOnlyBoxes_data();
    void readOnlyBoxes();
    void enterAndEscapeDoNothing();
    void encryptHelloWorld();
    void selectionMovesTogether_data();
    void selectionMovesTogether();
    void deselectingClearsAllThree();
    void letterTableLeftAlone();
    void clearButton();
    void encryptAfterClearEqualsFreshWindow();
    void explanationText();
    void handlersIgnoreUnknownIndexes();
    void contextMenus_data();
    void contextMenus();
};

void TestBrellow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");

    const QColor orange(255, 192, 128);
    const QColor lightRed(255, 128, 128);
    const QColor none;
    QTest::newRow("Label1(0)") << "Label1_0" << "QLabel" << QRect(64, 0, 337, 25)
                               << "Информатика - полиграфов шифър, cipher Hill" << orange;
    QTest::newRow("Label1(1)") << "Label1_1" << "QLabel" << QRect(8, 32, 121, 25) << "Съобщение:" << orange;
    QTest::newRow("Text2(0)") << "Text2_0" << "QLineEdit" << QRect(128, 32, 257, 27) << "" << none;
    QTest::newRow("Command1(0)") << "Command1_0" << "QPushButton" << QRect(392, 32, 81, 25) << "Криптирай"
                                 << QColor(128, 255, 128);
    QTest::newRow("Label1(2)") << "Label1_2" << "QLabel" << QRect(8, 64, 121, 25) << "Шифрирано:" << orange;
    QTest::newRow("Text2(1)") << "Text2_1" << "QLineEdit" << QRect(128, 64, 257, 27) << "" << none;
    QTest::newRow("Command1(1)") << "Command1_1" << "QPushButton" << QRect(392, 64, 81, 25) << "Изчисти"
                                 << QColor(255, 0, 0);
    QTest::newRow("Label2(0)") << "Label2_0" << "QLabel" << QRect(96, 96, 105, 81)
                               << "Шифриране:\n6    24   1\n13  16  10\n20  17  15\n" << lightRed;
    QTest::newRow("Label2(1)") << "Label2_1" << "QLabel" << QRect(216, 96, 105, 81)
                               << "Дешифриране:\n8     5  10\n21   8   21\n21  12  8\n" << lightRed;
    QTest::newRow("Label1(4)") << "Label1_4" << "QLabel" << QRect(352, 104, 81, 25) << "Букви" << orange;
    QTest::newRow("List1(0)") << "List1_0" << "QListWidget" << QRect(352, 128, 81, 137) << "" << none;
    QTest::newRow("Label1(3)") << "Label1_3" << "QLabel" << QRect(8, 152, 81, 25) << "Въведено" << orange;
    QTest::newRow("List1(3)") << "List1_3" << "QListWidget" << QRect(8, 176, 81, 99) << "" << none;
    QTest::newRow("List1(1)") << "List1_1" << "QListWidget" << QRect(104, 176, 81, 99) << "" << none;
    QTest::newRow("List1(2)") << "List1_2" << "QListWidget" << QRect(224, 176, 81, 99) << "" << none;
    QTest::newRow("Text1(0)") << "Text1_0" << "QPlainTextEdit" << QRect(8, 280, 449, 137) << "" << none;
    QTest::newRow("Text1(1)") << "Text1_1" << "QPlainTextEdit" << QRect(40, 312, 449, 121) << "" << none;
}

void TestBrellow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);

    Brellow window;
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pointSize(), 12);
    QCOMPARE(widget->font().families().value(0), QStringLiteral("Times New Roman"));

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), colour);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        const bool centred = name.startsWith(QStringLiteral("Label1"));
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
        // Captions lie beneath every other control.
        const QList<QWidget *> stack = window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *other : stack) {
            if (!qobject_cast<QLabel *>(other))
                QVERIFY(stack.indexOf(label) < stack.indexOf(other));
        }
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->palette().color(QPalette::Button), colour);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QApplication::palette().color(QPalette::ButtonText));
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(line->text(), caption);
        QCOMPARE(line->maxLength(), 50);
        QCOMPARE(line->isReadOnly(), name == QStringLiteral("Text2_1"));
    } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!list->isSortingEnabled());
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
}

void TestBrellow::window()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(481, 424));
    QCOMPARE(window.minimumSize(), QSize(481, 424));
    QCOMPARE(window.maximumSize(), QSize(481, 424));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" Информатика - криптиране")));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("http://www.example.")));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    // The grab is in device pixels; the points are logical.
    const QImage shot = window.grab().toImage();
    const auto at = [&shot](int x, int y) { return shot.pixelColor((QPointF(x, y) * shot.devicePixelRatio()).toPoint()); };
    QCOMPARE(at(2, 200), QColor(192, 192, 255));
    QCOMPARE(at(65, 1), QColor(255, 192, 128));
    QCOMPARE(at(198, 170), QColor(255, 128, 128));

    const QIcon icon = window.windowIcon();
    QVERIFY(!icon.isNull());
    const QImage art = icon.pixmap(QSize(32, 32), 1.0).toImage();
    QCOMPARE(art.size(), QSize(32, 32));
    QVERIFY(art.hasAlphaChannel());
    QCOMPARE(art.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(art.pixelColor(16, 16).alpha(), 255);
    // Twice the pixel density gets art drawn at 64 pixels, not the 32-pixel one blown up.
    QCOMPARE(icon.availableSizes(), (QList<QSize> { QSize(32, 32), QSize(64, 64) }));
    QVERIFY(!icon.pixmap(QSize(64, 64)).isNull());
}

void TestBrellow::startUpState()
{
    Brellow window;
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(window.List1[k]->count(), 0);
        QCOMPARE(selectedRowOf(window.List1[k]), -1);
    }
    QCOMPARE(window.List1[0]->count(), 26);
    QCOMPARE(window.List1[0]->item(0)->text(), QStringLiteral("A  -  0"));
    QCOMPARE(window.List1[0]->item(9)->text(), QStringLiteral("J  -  9"));
    QCOMPARE(window.List1[0]->item(10)->text(), QStringLiteral("K  -  10"));
    QCOMPARE(window.List1[0]->item(25)->text(), QStringLiteral("Z  -  25"));
    QCOMPARE(selectedRowOf(window.List1[0]), -1);
    QVERIFY(window.Text2[0]->text().isEmpty());
    QVERIFY(window.Text2[1]->text().isEmpty());
    QCOMPARE(window.worksheet().EncryptionMatrix, (KeyMatrix { 6, 24, 1, 13, 16, 10, 20, 17, 15 }));
    QCOMPARE(window.worksheet().DecryptionMatrix, (KeyMatrix { 8, 5, 10, 21, 8, 21, 21, 12, 8 }));
    QVERIFY(window.Text1[0]->toPlainText().startsWith(QStringLiteral("Криптирането")));
    QCOMPARE(window.Text1[0]->verticalScrollBar()->value(), 0);
    QCOMPARE(window.Text1[1]->toPlainText(),
             QStringLiteral("Неприятното в това да си първият, направил нещо по \nправилния начин, е, че никой не "
                            "оценява колко трудно е \nбило. \n"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.Text1[1]->isVisible());
    QCOMPARE(window.Text1[1]->focusPolicy(), Qt::NoFocus);
    QVERIFY(window.Text1[1]->y() > window.Text1[0]->y());
}

void TestBrellow::focusOrder()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.Text1[0]);
    const QList<QWidget *> order { window.List1[0], window.Text2[0], window.Text2[1], window.List1[1],
                                   window.List1[2], window.Command1[0], window.Command1[1], window.List1[3],
                                   window.Text1[0], window.List1[0] };
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void TestBrellow::typingLimit_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    const QString fifty(50, QChar(u'x'));
    QTest::newRow("typing stops at 50") << "" << QString(60, QChar(u'x')) << "" << fifty;
    QTest::newRow("paste is cut at 50") << "" << "" << QString(80, QChar(u'y')) << QString(50, QChar(u'y'));
    QTest::newRow("paste after 45 typed") << "" << QString(45, QChar(u'x')) << "abcdefgh"
                                          << QString(45, QChar(u'x')) + QStringLiteral("abcde");
    QTest::newRow("program text over 50 kept") << QString(70, QChar(u'z')) << "" << "" << QString(70, QChar(u'z'));
}

void TestBrellow::typingLimit()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    Brellow window;
    WindowControls::setLineText(window.Text2[0], start);
    QTest::keyClicks(window.Text2[0], typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        window.Text2[0]->paste();
    }
    QCOMPARE(window.Text2[0]->text(), expected);
}

void TestBrellow::readOnlyBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("log") << "Text1_0";
    QTest::newRow("cipher") << "Text2_1";
}

void TestBrellow::readOnlyBoxes()
{
    QFETCH(QString, name);
    Brellow window;
    typeAndEncrypt(window, QStringLiteral("Hello, World 42!"));
    auto *box = window.findChild<QWidget *>(name);
    const auto contents = [box] {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
    };
    const QString before = contents();
    QVERIFY(box->focusPolicy() & Qt::TabFocus);

    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(contents(), before);

    // Selecting with the keyboard and copying still work.
    QApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), before.left(3));
}

void TestBrellow::enterAndEscapeDoNothing()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy encrypt(window.Command1[0], &QPushButton::clicked);
    QSignalSpy clear(window.Command1[1], &QPushButton::clicked);
    window.Text2[0]->setFocus();
    QTest::keyClicks(window.Text2[0], QStringLiteral("abc"));
    QTest::keyClick(window.Text2[0], Qt::Key_Return);
    QTest::keyClick(window.Text2[0], Qt::Key_Enter);
    QTest::keyClick(window.Text2[0], Qt::Key_Escape);
    QCOMPARE(encrypt.count(), 0);
    QCOMPARE(clear.count(), 0);
    QCOMPARE(window.Text2[0]->text(), QStringLiteral("abc"));
    QCOMPARE(window.List1[3]->count(), 0);
    QVERIFY(window.isVisible());
}

void TestBrellow::encryptHelloWorld()
{
    Brellow window;
    typeAndEncrypt(window, QStringLiteral("Hello, World 42!"));
    QCOMPARE(window.Text2[0]->text(), QStringLiteral("HELLOWORLD"));
    QCOMPARE(window.Text2[1]->text(), QStringLiteral("TFJIPIJSGD"));
    QCOMPARE(rowsOf(window.List1[3]), (QStringList { "HEL", "LOW", "ORL", "D" }));
    QCOMPARE(rowsOf(window.List1[1]), (QStringList { "TFJ", "IPI", "JSG", "D" }));
    QCOMPARE(rowsOf(window.List1[2]), (QStringList { "HEL", "LOW", "ORL", "D" }));
    QCOMPARE(window.Text1[0]->toPlainText(), HelloLog);
    QCOMPARE(window.Text1[0]->document()->blockCount(), 8);
    // The engine reads the log back with the CR LF breaks it wrote.
    WindowControls view;
    view.log = window.Text1[0];
    QCOMPARE(view.text(TextBox::Log), QString(HelloLog).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    QCOMPARE(window.List1[0]->count(), 26);
    QVERIFY(!window.Text1[1]->isVisibleTo(&window));
}

void TestBrellow::selectionMovesTogether_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<bool>("keyboard");
    for (int list = 1; list <= 3; ++list) {
        QTest::addRow("List1(%d) by mouse", list) << list << false;
        QTest::addRow("List1(%d) by keyboard", list) << list << true;
    }
}

void TestBrellow::selectionMovesTogether()
{
    QFETCH(int, list);
    QFETCH(bool, keyboard);
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeAndEncrypt(window, QStringLiteral("Hello, World 42!"));
    QListWidget *source = window.List1[list];

    const auto expectAllOn = [&window](int row) {
        for (int k = 1; k <= 3; ++k) {
            if (selectedRowOf(window.List1[k]) != row)
                return false;
        }
        return selectedRowOf(window.List1[0]) == -1;
    };

    if (keyboard) {
        // Focus puts the current row on the first row without selecting it.
        source->setFocus();
        QTest::keyClick(source, Qt::Key_Down);
        QVERIFY(expectAllOn(1));
        QCOMPARE(window.List1[1]->item(1)->text(), QStringLiteral("IPI"));
        QCOMPARE(window.List1[3]->selectedItems().first()->text(), QStringLiteral("LOW"));
        QCOMPARE(window.List1[2]->selectedItems().first()->text(), QStringLiteral("LOW"));
        QTest::keyClick(source, Qt::Key_Up);
        QVERIFY(expectAllOn(0));
        QTest::keyClick(source, Qt::Key_End);
        QVERIFY(expectAllOn(3));
        QTest::keyClick(source, Qt::Key_Up);
        QVERIFY(expectAllOn(2));
    } else {
        clickRow(source, 1);
        QVERIFY(expectAllOn(1));
        QCOMPARE(window.List1[3]->selectedItems().first()->text(), QStringLiteral("LOW"));
        clickRow(source, 3);
        QVERIFY(expectAllOn(3));
        QCOMPARE(window.List1[2]->selectedItems().first()->text(), QStringLiteral("D"));
        clickRow(source, 3);
        QVERIFY(expectAllOn(3));
        clickRow(source, 0);
        QVERIFY(expectAllOn(0));
    }
}

void TestBrellow::deselectingClearsAllThree()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeAndEncrypt(window, QStringLiteral("abcdef"));
    clickRow(window.List1[2], 1);
    QCOMPARE(selectedRowOf(window.List1[1]), 1);
    clickRow(window.List1[2], 1, Qt::ControlModifier);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(selectedRowOf(window.List1[k]), -1);

    // With the lists emptied nothing can be selected and nothing moves.
    QTest::mouseClick(window.Command1[1], Qt::LeftButton);
    QTest::mouseClick(window.List1[1]->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(selectedRowOf(window.List1[k]), -1);
}

void TestBrellow::letterTableLeftAlone()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeAndEncrypt(window, QStringLiteral("Hello, World 42!"));
    clickRow(window.List1[1], 2);
    clickRow(window.List1[0], 5);
    QCOMPARE(selectedRowOf(window.List1[0]), 5);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(selectedRowOf(window.List1[k]), 2);
    clickRow(window.List1[3], 1);
    QCOMPARE(selectedRowOf(window.List1[0]), 5);
    QCOMPARE(window.List1[0]->count(), 26);
    QTest::mouseClick(window.Command1[1], Qt::LeftButton);
    QCOMPARE(window.List1[0]->count(), 26);
    QCOMPARE(window.List1[0]->item(25)->text(), QStringLiteral("Z  -  25"));
}

void TestBrellow::clearButton()
{
    Brellow window;
    typeAndEncrypt(window, QStringLiteral("Hello, World 42!"));
    const QString quote = window.Text1[1]->toPlainText();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(window.Command1[1], Qt::LeftButton);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(window.List1[k]->count(), 0);
        QVERIFY(window.Text1[0]->toPlainText().isEmpty());
        QVERIFY(window.Text2[0]->text().isEmpty());
        QVERIFY(window.Text2[1]->text().isEmpty());
        QCOMPARE(window.Text1[1]->toPlainText(), quote);
        QCOMPARE(window.List1[0]->count(), 26);
        QCOMPARE(window.Label1[1]->text(), QStringLiteral("Съобщение:"));
    }
}

void TestBrellow::encryptAfterClearEqualsFreshWindow()
{
    Brellow used;
    typeAndEncrypt(used, QStringLiteral("Attack at dawn"));
    QTest::mouseClick(used.Command1[1], Qt::LeftButton);
    typeAndEncrypt(used, QStringLiteral("Hello, World 42!"));

    Brellow fresh;
    typeAndEncrypt(fresh, QStringLiteral("Hello, World 42!"));
    QCOMPARE(used.Text1[0]->toPlainText(), fresh.Text1[0]->toPlainText());
    QCOMPARE(used.Text2[0]->text(), fresh.Text2[0]->text());
    QCOMPARE(used.Text2[1]->text(), fresh.Text2[1]->text());
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(rowsOf(used.List1[k]), rowsOf(fresh.List1[k]));
}

void TestBrellow::explanationText()
{
    Brellow window;
    const QStringList lines = window.Text1[0]->toPlainText().split(QChar(u'\n'));
    QCOMPARE(lines.size(), 19); // 18 lines, each with its break
    QVERIFY(lines.last().isEmpty());
    QVERIFY(lines[4].endsWith(QStringLiteral("B. ")));
    QCOMPARE(lines[7], QStringLiteral("Пример: въведен е текст ABC - една колона (0,1,2), избраната матрица по редове е: "
                                      "(6  24    1  ), (13  16  10), (20  17  15). Членовете на матрицата произведение "
                                      "са ограничени по модул 26."));
    QCOMPARE(lines[8], QStringLiteral("Изход:"));
    QCOMPARE(lines[9], QStringLiteral("  6  24    1       0         6*0 + 24*1 +  1*2        26       0"));
    QCOMPARE(lines[10], QStringLiteral("13  16  10   x  1   = 13*0 + 16*1 + 10*2  =   36  =  10"));
    QCOMPARE(lines[11], QStringLiteral("20  17  15       2      20*0 + 17*1 + 15*2       47       21"));
    QCOMPARE(lines[14], QStringLiteral("Тема на проекта: Информатика - полиграфов шифър, cipher Hill."));
    QVERIFY(lines[17].contains(QStringLiteral("Bifid, Ceasar, Playfear, Weviner,")));
    for (int i = 0; i < 18; ++i)
        QVERIFY2(!lines[i].trimmed().isEmpty(), qPrintable(QString::number(i + 1)));

    // The box wraps long lines, and its scroll bar reaches the last one.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = window.Text1[0]->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QTextCursor lastLine(window.Text1[0]->document()->findBlockByNumber(17));
    QVERIFY(lastLine.block().text().startsWith(QStringLiteral("Упражнение")));
    lastLine.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(lastLine.block().layout()->lineCount() > 1);
    QVERIFY(window.Text1[0]->viewport()->rect().contains(window.Text1[0]->cursorRect(lastLine)));
}

void TestBrellow::handlersIgnoreUnknownIndexes()
{
    Brellow window;
    typeAndEncrypt(window, QStringLiteral("abcd"));
    const QString log = window.Text1[0]->toPlainText();
    window.Command1_Click(2);
    window.Command1_Click(-1);
    window.List1_Click(4);
    window.List1_Click(-32768);
    QCOMPARE(window.Text1[0]->toPlainText(), log);
    QCOMPARE(rowsOf(window.List1[1]), (QStringList { "AKV", "D" }));
}

void TestBrellow::contextMenus_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("entry");
    QTest::newRow("message box") << QPoint(256, 45) << "&Поставяне";
    QTest::newRow("log") << QPoint(200, 340) << "Избиране на всичко";
    QTest::newRow("letter table's scroll bar") << QPoint(425, 200) << "Страница надолу";
}

// Qt's own menus in Bulgarian, each entry with a letter of its own, read from within the event
// loop (a scroll bar's menu runs one); right-clicked through the window, as the platform delivers
// a click, so that Qt makes the menu's event. The window answers after.
void TestBrellow::contextMenus()
{
    QFETCH(QPoint, point);
    QFETCH(QString, entry);
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList texts;
    QTimer reader;
    connect(&reader, &QTimer::timeout, this, [&texts] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                texts << action->text().section(QLatin1Char('\t'), 0, 0);
            menu->close();
        }
    });
    reader.start(10);
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, point);
    QTRY_VERIFY2(texts.contains(entry), qPrintable(texts.join(QLatin1Char('|'))));
    QHash<QChar, bool> taken;
    for (const QString &text : std::as_const(texts)) {
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        QVERIFY2(mark < 0 || !std::exchange(taken[text[mark + 1].toLower()], true), qPrintable(text));
    }
    typeAndEncrypt(window, QStringLiteral("HELLOWORLD"));
    QCOMPARE(window.Text2[1]->text(), QStringLiteral("TFJIPIJSGD"));
}

QTEST_MAIN(TestBrellow)
#include "tst_brellow.moc"
