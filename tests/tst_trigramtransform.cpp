#include "cipherworksheet.h"
#include "lettercode.h"
#include "memorycontrols.h"

#include <QTest>

namespace {

CodeVector codesOf(const QString &letters)
{
    CodeVector codes {};
    for (std::size_t j = 0; j < 3; ++j)
        codes[j] = LetterCode::fromLetter(letters[static_cast<qsizetype>(j)]);
    return codes;
}

QString lettersOf(const CodeVector &codes)
{
    QString letters;
    for (const qint16 code : codes)
        letters += LetterCode::toLetter(code);
    return letters;
}

// Product of two stored matrices, each element reduced modulo 26.
KeyMatrix productMod26(const KeyMatrix &left, const KeyMatrix &right)
{
    KeyMatrix product {};
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            int sum = 0;
            for (int k = 1; k <= 3; ++k)
                sum += matrixElement(left, r, k) * matrixElement(right, k, c);
            product[static_cast<std::size_t>(3 * (r - 1) + (c - 1))] = static_cast<qint16>(sum % 26);
        }
    }
    return product;
}

} // namespace

class TestTrigramTransform : public QObject
{
    Q_OBJECT

private slots:
    void loadedMatrices();
    void productsAreIdentity();
    void transform_data();
    void transform();
    void everyTrigramDecryptsToItself();
    void logKeepsEarlierText();
};

void TestTrigramTransform::loadedMatrices()
{
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    QCOMPARE(sheet.EncryptionMatrix, (KeyMatrix { 6, 24, 1, 13, 16, 10, 20, 17, 15 }));
    QCOMPARE(sheet.DecryptionMatrix, (KeyMatrix { 8, 5, 10, 21, 8, 21, 21, 12, 8 }));
    QCOMPARE(matrixElement(sheet.EncryptionMatrix, 3, 2), 17);
    QCOMPARE(matrixElement(sheet.DecryptionMatrix, 2, 3), 21);
}

void TestTrigramTransform::productsAreIdentity()
{
    const KeyMatrix identity { 1, 0, 0, 0, 1, 0, 0, 0, 1 };
    QCOMPARE(productMod26(EncryptionKey, DecryptionKey), identity);
    QCOMPARE(productMod26(DecryptionKey, EncryptionKey), identity);
}

void TestTrigramTransform::transform_data()
{
    QTest::addColumn<bool>("encrypting");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("output");
    QTest::newRow("encrypt ABC") << true << "ABC" << "26, 36, 47 = 0, 10, 21\r\n" << "AKV";
    QTest::newRow("encrypt HIL") << true << "HIL" << "245, 329, 441 = 11, 17, 25\r\n" << "LRZ";
    QTest::newRow("encrypt AAA") << true << "AAA" << "0, 0, 0 = 0, 0, 0\r\n" << "AAA";
    QTest::newRow("encrypt ZZZ, largest sums") << true << "ZZZ" << "775, 975, 1300 = 21, 13, 0\r\n" << "VNA";
    QTest::newRow("decrypt AKV") << false << "AKV" << "260, 521, 288 = 0, 1, 2\r\n" << "ABC";
    QTest::newRow("decrypt LRZ") << false << "LRZ" << "423, 892, 635 = 7, 8, 11\r\n" << "HIL";
    QTest::newRow("decrypt VNA") << false << "VNA" << "233, 545, 597 = 25, 25, 25\r\n" << "ZZZ";
    QTest::newRow("decrypt ZZZ, largest sums") << false << "ZZZ" << "575, 1250, 1025 = 3, 2, 11\r\n" << "DCL";
}

// Each transform logs its raw sums, then the same reduced, and leaves its input vector alone.
void TestTrigramTransform::transform()
{
    QFETCH(bool, encrypting);
    QFETCH(QString, input);
    QFETCH(QString, logLine);
    QFETCH(QString, output);
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    CodeVector &in = encrypting ? sheet.PlainVector : sheet.CipherVector;
    const CodeVector &out = encrypting ? sheet.CipherVector : sheet.DecodedVector;
    in = codesOf(input);
    if (encrypting)
        sheet.EncryptTrigram();
    else
        sheet.DecryptTrigram();
    QCOMPARE(controls.text(TextBox::Log), logLine);
    QCOMPARE(lettersOf(out), output);
    QCOMPARE(lettersOf(in), input);
}

void TestTrigramTransform::everyTrigramDecryptsToItself()
{
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    int checked = 0;
    for (qint16 a = 0; a < 26; ++a) {
        for (qint16 b = 0; b < 26; ++b) {
            for (qint16 c = 0; c < 26; ++c) {
                const CodeVector plain { a, b, c };
                sheet.PlainVector = plain;
                sheet.EncryptTrigram();
                for (const qint16 code : sheet.CipherVector)
                    QVERIFY(code >= 0 && code < 26);
                sheet.DecryptTrigram();
                if (sheet.DecodedVector != plain)
                    QFAIL(qPrintable(QStringLiteral("%1 does not decrypt back").arg(lettersOf(plain))));
                ++checked;
            }
        }
        controls.setText(TextBox::Log, QString());
    }
    QCOMPARE(checked, 17576);
}

void TestTrigramTransform::logKeepsEarlierText()
{
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    controls.setText(TextBox::Log, QStringLiteral("earlier"));
    sheet.PlainVector = codesOf(QStringLiteral("ABC"));
    sheet.EncryptTrigram();
    QCOMPARE(controls.text(TextBox::Log), QStringLiteral("earlier26, 36, 47 = 0, 10, 21\r\n"));
}

QTEST_GUILESS_MAIN(TestTrigramTransform)
#include "tst_trigramtransform.moc"
