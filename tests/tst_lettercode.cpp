#include "lettercode.h"

#include <QLocale>
#include <QTest>

class TestLetterCode : public QObject
{
    Q_OBJECT

private slots:
    void codesOfLetters_data();
    void codesOfLetters();
    void everyCodeRoundTrips();
    void upperCasing_data();
    void upperCasing();
    void upperCasingIgnoresLocale();
};

void TestLetterCode::codesOfLetters_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("code");
    QTest::newRow("A") << QChar(u'A') << 0;
    QTest::newRow("B") << QChar(u'B') << 1;
    QTest::newRow("V") << QChar(u'V') << 21;
    QTest::newRow("Z") << QChar(u'Z') << 25;
}

void TestLetterCode::codesOfLetters()
{
    QFETCH(QChar, letter);
    QFETCH(int, code);
    QCOMPARE(LetterCode::fromLetter(letter), code);
    QCOMPARE(LetterCode::toLetter(static_cast<qint16>(code)), letter);
}

void TestLetterCode::everyCodeRoundTrips()
{
    for (qint16 code = 0; code < LetterCode::AlphabetSize; ++code) {
        const QChar letter = LetterCode::toLetter(code);
        QVERIFY(LetterCode::isCodeLetter(letter));
        QCOMPARE(LetterCode::fromLetter(letter), code);
    }
    QVERIFY(!LetterCode::isCodeLetter(QChar(u'@')));
    QVERIFY(!LetterCode::isCodeLetter(QChar(u'[')));
    QVERIFY(!LetterCode::isCodeLetter(QChar(u'a')));
}

void TestLetterCode::upperCasing_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QStringLiteral("Hello, World 42!") << QStringLiteral("HELLO, WORLD 42!");
    QTest::newRow("sharp s stays one character") << QStringLiteral("aßb") << QStringLiteral("AßB");
    QTest::newRow("dotless i") << QStringLiteral("\u0131") << QStringLiteral("I");
    QTest::newRow("long s") << QStringLiteral("\u017F") << QStringLiteral("S");
    QTest::newRow("cyrillic") << QStringLiteral("шифър") << QStringLiteral("ШИФЪР");
    QTest::newRow("ligature ff stays") << QStringLiteral("\uFB00") << QStringLiteral("\uFB00");
    QTest::newRow("surrogate pair untouched") << QStringLiteral("a\U0001F600b") << QStringLiteral("A\U0001F600B");
    QTest::newRow("lone surrogate untouched") << QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") << QStringLiteral("X") + QChar(0xD800) + QStringLiteral("Y");
    QTest::newRow("NUL kept") << QString(QChar(u'\0')) + QStringLiteral("q") << QString(QChar(u'\0')) + QStringLiteral("Q");
}

void TestLetterCode::upperCasing()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString result = LetterCode::upperCasedPerCharacter(input);
    QCOMPARE(result, expected);
    QCOMPARE(result.size(), input.size());
}

void TestLetterCode::upperCasingIgnoresLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString result = LetterCode::upperCasedPerCharacter(QStringLiteral("hill"));
    QLocale::setDefault(saved);
    QCOMPARE(result, QStringLiteral("HILL"));
}

QTEST_GUILESS_MAIN(TestLetterCode)
#include "tst_lettercode.moc"
