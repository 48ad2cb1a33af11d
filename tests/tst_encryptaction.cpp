#include "cipherworksheet.h"
#include "memorycontrols.h"
#include "recordingcontrols.h"

#include <QTest>

namespace {

const QString HelloLog = QStringLiteral(
    "149, 265, 373 = 19, 5, 9\r\n"
    "424, 587, 788 = 8, 15, 8\r\n"
    "503, 564, 734 = 9, 18, 6\r\n"
    "\r\n"
    "267, 628, 531 = 7, 4, 11\r\n"
    "219, 456, 412 = 11, 14, 22\r\n"
    "222, 459, 453 = 14, 17, 11\r\n");

const QString AbcLog = QStringLiteral("26, 36, 47 = 0, 10, 21\r\n\r\n260, 521, 288 = 0, 1, 2\r\n");

const QString HilLog = QStringLiteral("245, 329, 441 = 11, 17, 25\r\n\r\n423, 892, 635 = 7, 8, 11\r\n");

void encrypt(MemoryControls &controls, const QString &message)
{
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    controls.setText(TextBox::Message, message);
    sheet.RunEncryption();
}

} // namespace

class TestEncryptAction : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void secondRunGivesSameResults_data() { messages_data(); }
    void secondRunGivesSameResults();
    void previousResultsAreCleared();
    void orderOfWrites_data();
    void orderOfWrites();
    void longMessageKeepsListsInStep();
};

void TestEncryptAction::messages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<QStringList>("plainRows");
    QTest::addColumn<QStringList>("cipherRows");
    QTest::addColumn<QString>("log");

    const QString emptyLog = QStringLiteral("\r\n");
    QTest::newRow("hello world") << "Hello, World 42!" << "HELLOWORLD"
                                 << QStringList { "HEL", "LOW", "ORL", "D" }
                                 << QStringList { "TFJ", "IPI", "JSG", "D" } << HelloLog;
    QTest::newRow("empty") << "" << "" << QStringList {} << QStringList {} << emptyLog;
    QTest::newRow("digits and blanks") << "12 34  5" << "" << QStringList {} << QStringList {} << emptyLog;
    QTest::newRow("cyrillic only") << "Шифър абв" << "" << QStringList {} << QStringList {} << emptyLog;
    QTest::newRow("a") << "a" << "A" << QStringList { "A" } << QStringList { "A" } << emptyLog;
    QTest::newRow("ab") << "ab" << "AB" << QStringList { "AB" } << QStringList { "AB" } << emptyLog;
    QTest::newRow("abc") << "abc" << "ABC" << QStringList { "ABC" } << QStringList { "AKV" } << AbcLog;
    QTest::newRow("abcd") << "abcd" << "ABCD" << QStringList { "ABC", "D" } << QStringList { "AKV", "D" } << AbcLog;
    QTest::newRow("abcde") << "abcde" << "ABCDE" << QStringList { "ABC", "DE" } << QStringList { "AKV", "DE" }
                           << AbcLog;
    QTest::newRow("mixed case and blanks") << "h I l" << "HIL" << QStringList { "HIL" } << QStringList { "LRZ" }
                                           << HilLog;
    QTest::newRow("sharp s dropped alone") << "aßbc" << "ABC" << QStringList { "ABC" } << QStringList { "AKV" }
                                           << AbcLog;
    QTest::newRow("dotless i and long s kept") << "h\u0131l" << "HIL" << QStringList { "HIL" }
                                               << QStringList { "LRZ" } << HilLog;
    QTest::newRow("long s") << "\u017F" << "S" << QStringList { "S" } << QStringList { "S" } << emptyLog;
    QTest::newRow("surrogate pair takes no neighbour") << "h\U0001F600il" << "HIL" << QStringList { "HIL" }
                                                       << QStringList { "LRZ" } << HilLog;
    QTest::newRow("lone surrogates and NUL") << QString(QChar(0xDC00)) + QStringLiteral("h") + QChar(0xD800) + QChar(u'\0') + QStringLiteral("il")
                                             << "HIL" << QStringList { "HIL" } << QStringList { "LRZ" } << HilLog;
    QTest::newRow("accented letters dropped") << "éhàiül" << "HIL" << QStringList { "HIL" } << QStringList { "LRZ" }
                                              << HilLog;
}

void TestEncryptAction::messages()
{
    QFETCH(QString, message);
    QFETCH(QString, cleaned);
    QFETCH(QStringList, plainRows);
    QFETCH(QStringList, cipherRows);
    QFETCH(QString, log);

    MemoryControls controls;
    encrypt(controls, message);
    QCOMPARE(controls.text(TextBox::Message), cleaned);
    QCOMPARE(controls.rows(TrigramList::Plain), plainRows);
    QCOMPARE(controls.rows(TrigramList::Cipher), cipherRows);
    QCOMPARE(controls.rows(TrigramList::Decoded), plainRows);
    QCOMPARE(controls.text(TextBox::Cipher), cipherRows.join(QString()));
    QCOMPARE(controls.text(TextBox::Log), log);
}

void TestEncryptAction::secondRunGivesSameResults()
{
    QFETCH(QString, message);
    MemoryControls first;
    encrypt(first, message);
    MemoryControls second;
    encrypt(second, first.text(TextBox::Message));
    for (const TextBox box : { TextBox::Log, TextBox::Message, TextBox::Cipher })
        QCOMPARE(second.text(box), first.text(box));
    for (const TrigramList list : { TrigramList::Plain, TrigramList::Cipher, TrigramList::Decoded })
        QCOMPARE(second.rows(list), first.rows(list));
}

void TestEncryptAction::previousResultsAreCleared()
{
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    controls.setText(TextBox::Message, QStringLiteral("Hello, World 42!"));
    sheet.RunEncryption();
    controls.setText(TextBox::Message, QStringLiteral("abc"));
    sheet.RunEncryption();
    QCOMPARE(controls.rows(TrigramList::Plain), QStringList { "ABC" });
    QCOMPARE(controls.rows(TrigramList::Cipher), QStringList { "AKV" });
    QCOMPARE(controls.rows(TrigramList::Decoded), QStringList { "ABC" });
    QCOMPARE(controls.text(TextBox::Cipher), QStringLiteral("AKV"));
    QCOMPARE(controls.text(TextBox::Log), AbcLog);
}

void TestEncryptAction::orderOfWrites_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("writes");

    const QStringList start { "set Text1(0) ", "clear List1(1)", "clear List1(2)", "clear List1(3)", "set Text2(1) " };
    QTest::newRow("two trigrams and a tail")
        << "abc hil d"
        << start + QStringList {
               "set Text2(0) ABC HIL D", "set Text2(0) ABCHILD", "set Text2(0) ABCHILD",
               "add List1(3) ABC", "append Text1(0) 26, 36, 47 = ", "append Text1(0) 0, 10, 21\r\n",
               "add List1(1) AKV", "append Text2(1) AKV",
               "add List1(3) HIL", "append Text1(0) 245, 329, 441 = ", "append Text1(0) 11, 17, 25\r\n",
               "add List1(1) LRZ", "append Text2(1) LRZ",
               "add List1(3) D", "add List1(1) D", "append Text2(1) D",
               "append Text1(0) \r\n",
               "append Text1(0) 260, 521, 288 = ", "append Text1(0) 0, 1, 2\r\n", "add List1(2) ABC",
               "append Text1(0) 423, 892, 635 = ", "append Text1(0) 7, 8, 11\r\n", "add List1(2) HIL",
               "add List1(2) D" };
    QTest::newRow("no tail") << "abc"
                             << start + QStringList {
                                    "set Text2(0) ABC", "set Text2(0) ABC", "set Text2(0) ABC",
                                    "add List1(3) ABC", "append Text1(0) 26, 36, 47 = ",
                                    "append Text1(0) 0, 10, 21\r\n", "add List1(1) AKV", "append Text2(1) AKV",
                                    "append Text1(0) \r\n",
                                    "append Text1(0) 260, 521, 288 = ", "append Text1(0) 0, 1, 2\r\n",
                                    "add List1(2) ABC" };
    QTest::newRow("empty") << "" << start + QStringList { "set Text2(0) ", "set Text2(0) ", "set Text2(0) ",
                                                         "append Text1(0) \r\n" };
}

void TestEncryptAction::orderOfWrites()
{
    QFETCH(QString, message);
    QFETCH(QStringList, writes);
    RecordingControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    controls.MemoryControls::setText(TextBox::Message, message);
    sheet.RunEncryption();
    QCOMPARE(controls.writes, writes);
}

void TestEncryptAction::longMessageKeepsListsInStep()
{
    QString message;
    for (int i = 0; i < 3001; ++i)
        message += QChar(u'a' + (i * 7) % 26);
    MemoryControls controls;
    encrypt(controls, message);
    QCOMPARE(controls.rows(TrigramList::Plain).size(), 1001);
    QCOMPARE(controls.rows(TrigramList::Cipher).size(), 1001);
    QCOMPARE(controls.rows(TrigramList::Decoded), controls.rows(TrigramList::Plain));
    QCOMPARE(controls.text(TextBox::Cipher).size(), 3001);
    QCOMPARE(controls.text(TextBox::Log).count(QStringLiteral("\r\n")), 2 * 1000 + 1);
}

QTEST_GUILESS_MAIN(TestEncryptAction)
#include "tst_encryptaction.moc"
