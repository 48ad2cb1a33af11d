// Runs the encrypt action on any text and checks what it must leave in the controls,
// whatever the text: the input bytes are read as UTF-16 code units, so lone surrogates,
// NULs and characters outside Latin all reach the worksheet.

#include "cipherworksheet.h"
#include "lettercode.h"
#include "memorycontrols.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype MaxCharacters = 100000;
// The largest sum a transform can log: code 25 times the largest row sum of either key.
constexpr int LargestRawValue = 1300;
const QString LineBreak = QStringLiteral("\r\n");

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_encrypt: broken: %s\n", what);
    std::abort();
}

QString textFromBytes(const std::uint8_t *data, std::size_t size)
{
    const qsizetype units = qMin(static_cast<qsizetype>(size / 2), MaxCharacters);
    QString text(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
        const std::size_t at = static_cast<std::size_t>(2 * i);
        text[i] = QChar(static_cast<char16_t>(data[at] | (data[at + 1] << 8)));
    }
    return text;
}

bool onlyCodeLetters(const QString &text)
{
    for (const QChar c : text) {
        if (!LetterCode::isCodeLetter(c))
            return false;
    }
    return true;
}

bool isCode(int value)
{
    return value >= 0 && value < LetterCode::AlphabetSize;
}

// The message box holds the message cleaned down to A-Z; the cipher box as many letters.
void checkTexts(const MemoryControls &controls, const QString &input)
{
    const QString cleaned = controls.text(TextBox::Message);
    const QString cipher = controls.text(TextBox::Cipher);
    require(onlyCodeLetters(cleaned), "the cleaned message holds a character outside A-Z");
    require(cleaned.size() <= input.size(), "the cleaned message is longer than the input");
    require(cipher.size() == cleaned.size(), "the cipher text and the cleaned message differ in length");
    require(onlyCodeLetters(cipher), "the cipher text holds a character outside A-Z");
}

// One row per trigram and one for a tail, all three lists in step, and the rows joined
// give back the texts they were cut from.
void checkLists(const MemoryControls &controls)
{
    const QString cleaned = controls.text(TextBox::Message);
    const QStringList &plain = controls.rows(TrigramList::Plain);
    const QStringList &cipher = controls.rows(TrigramList::Cipher);
    const QStringList &decoded = controls.rows(TrigramList::Decoded);
    const qsizetype n = cleaned.size();
    const qsizetype expectedRows = n / 3 + (n % 3 != 0 ? 1 : 0);
    require(plain.size() == expectedRows, "the plain list does not hold one row per trigram and tail");
    require(cipher.size() == expectedRows, "the cipher list does not hold one row per trigram and tail");
    require(decoded.size() == expectedRows, "the decoded list does not hold one row per trigram and tail");
    require(decoded == plain, "the decoded rows differ from the plain rows");
    require(plain.join(QString()) == cleaned, "the plain rows joined differ from the cleaned message");
    require(cipher.join(QString()) == controls.text(TextBox::Cipher),
            "the cipher rows joined differ from the cipher text");
    for (const QStringList *list : { &plain, &cipher, &decoded }) {
        for (qsizetype r = 0; r < list->size(); ++r) {
            const QString &row = list->at(r);
            require(row.size() >= 1 && row.size() <= 3, "a row is not 1 to 3 letters long");
            require(onlyCodeLetters(row), "a row holds a character outside A-Z");
            require(r + 1 == list->size() || row.size() == 3, "a row before the last is not a whole trigram");
        }
    }
}

// A log line "r1, r2, r3 = c1, c2, c3": the raw sums of one trigram's product and the
// same reduced modulo 26, which must be the letters of the row that trigram gave.
void checkLogLine(QStringView line, const QString &rowLetters)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+), (\\d+), (\\d+) = (\\d+), (\\d+), (\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    require(match.hasMatch(), "a log line is not of the form \"r1, r2, r3 = c1, c2, c3\"");
    require(rowLetters.size() == 3, "a log line stands for a row that is not a whole trigram");
    for (int j = 0; j < 3; ++j) {
        const int raw = match.capturedView(1 + j).toInt();
        const int reduced = match.capturedView(4 + j).toInt();
        require(raw >= 0 && raw <= LargestRawValue, "a raw value in the log is out of range");
        require(isCode(reduced), "a reduced value in the log is not a code 0-25");
        require(reduced == raw % LetterCode::AlphabetSize, "a reduced value in the log is not its raw value mod 26");
        require(reduced == LetterCode::fromLetter(rowLetters[j]), "a reduced value in the log is not the row's letter");
    }
}

// The log keeps one line per transform: the encryptions, an empty line, the decryptions.
void checkLog(const MemoryControls &controls)
{
    const QString log = controls.text(TextBox::Log);
    const qsizetype trigrams = controls.text(TextBox::Message).size() / 3;
    require(log.endsWith(LineBreak), "the log does not end in a line break");
    require(log.count(LineBreak) == 2 * trigrams + 1, "the log does not hold two lines per trigram and one more");
    QList<QStringView> lines = QStringView(log).split(LineBreak);
    lines.removeLast();
    require(lines.size() == 2 * trigrams + 1, "the log lines are not split by \\r\\n alone");
    require(lines[trigrams].isEmpty(), "the empty log line does not follow the encryptions");
    const QStringList &cipher = controls.rows(TrigramList::Cipher);
    const QStringList &decoded = controls.rows(TrigramList::Decoded);
    for (qsizetype k = 0; k < trigrams; ++k) {
        checkLogLine(lines[k], cipher[k]);
        checkLogLine(lines[trigrams + 1 + k], decoded[k]);
    }
}

void checkVectors(const CipherWorksheet &sheet)
{
    for (const CodeVector *vector : { &sheet.PlainVector, &sheet.CipherVector, &sheet.DecodedVector }) {
        for (const qint16 code : *vector)
            require(isCode(code), "a worksheet vector holds a value that is not a code 0-25");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = textFromBytes(data, size);
    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    controls.setText(TextBox::Message, input);
    sheet.RunEncryption();

    checkTexts(controls, input);
    checkLists(controls);
    checkLog(controls);
    checkVectors(sheet);
    return 0;
}
