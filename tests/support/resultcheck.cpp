#include "resultcheck.h"

#include "lettercode.h"

#include <QRegularExpression>

namespace ResultCheck {

namespace {

// The largest sum a transform can log: code 25 times the largest row sum of either key.
constexpr int LargestRawValue = 1300;
const QString LineBreak = QStringLiteral("\r\n");

class Rules
{
public:
    void require(bool condition, const char *what)
    {
        if (!condition && !m_broken.contains(QLatin1String(what)))
            m_broken << QString::fromLatin1(what);
    }
    [[nodiscard]] QStringList broken() const { return m_broken; }

private:
    QStringList m_broken;
};

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
void checkTexts(Rules &rules, const MemoryControls &controls, qsizetype inputLength)
{
    const QString cleaned = controls.text(TextBox::Message);
    const QString cipher = controls.text(TextBox::Cipher);
    rules.require(onlyCodeLetters(cleaned), "the cleaned message holds a character outside A-Z");
    rules.require(cleaned.size() <= inputLength, "the cleaned message is longer than the input");
    rules.require(cipher.size() == cleaned.size(), "the cipher text and the cleaned message differ in length");
    rules.require(onlyCodeLetters(cipher), "the cipher text holds a character outside A-Z");
}

// One row per trigram and one for a tail, all three lists in step, and the rows joined
// give back the texts they were cut from.
void checkLists(Rules &rules, const MemoryControls &controls)
{
    const QString cleaned = controls.text(TextBox::Message);
    const QStringList &plain = controls.rows(TrigramList::Plain);
    const QStringList &cipher = controls.rows(TrigramList::Cipher);
    const QStringList &decoded = controls.rows(TrigramList::Decoded);
    const qsizetype n = cleaned.size();
    const qsizetype expectedRows = n / 3 + (n % 3 != 0 ? 1 : 0);
    rules.require(plain.size() == expectedRows, "the plain list does not hold one row per trigram and tail");
    rules.require(cipher.size() == expectedRows, "the cipher list does not hold one row per trigram and tail");
    rules.require(decoded.size() == expectedRows, "the decoded list does not hold one row per trigram and tail");
    rules.require(decoded == plain, "the decoded rows differ from the plain rows");
    rules.require(plain.join(QString()) == cleaned, "the plain rows joined differ from the cleaned message");
    rules.require(cipher.join(QString()) == controls.text(TextBox::Cipher),
            "the cipher rows joined differ from the cipher text");
    for (const QStringList *list : { &plain, &cipher, &decoded }) {
        for (qsizetype r = 0; r < list->size(); ++r) {
            const QString &row = list->at(r);
            rules.require(row.size() >= 1 && row.size() <= 3, "a row is not 1 to 3 letters long");
            rules.require(onlyCodeLetters(row), "a row holds a character outside A-Z");
            rules.require(r + 1 == list->size() || row.size() == 3, "a row before the last is not a whole trigram");
        }
    }
}

// A log line "r1, r2, r3 = c1, c2, c3": the raw sums of one trigram's product and the
// same reduced modulo 26, which must be the letters of the row that trigram gave.
void checkLogLine(Rules &rules, QStringView line, const QString &rowLetters)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+), (\\d+), (\\d+) = (\\d+), (\\d+), (\\d+)$"));
    // A QString, as Qt 6.8 deprecates match(QStringView) and Qt 6.4 has no matchView().
    const QRegularExpressionMatch match = pattern.match(line.toString());
    rules.require(match.hasMatch(), "a log line is not of the form \"r1, r2, r3 = c1, c2, c3\"");
    rules.require(rowLetters.size() == 3, "a log line stands for a row that is not a whole trigram");
    for (int j = 0; j < 3; ++j) {
        const int raw = match.capturedView(1 + j).toInt();
        const int reduced = match.capturedView(4 + j).toInt();
        rules.require(raw >= 0 && raw <= LargestRawValue, "a raw value in the log is out of range");
        rules.require(isCode(reduced), "a reduced value in the log is not a code 0-25");
        rules.require(reduced == raw % LetterCode::AlphabetSize, "a reduced value in the log is not its raw value mod 26");
        rules.require(reduced == LetterCode::fromLetter(rowLetters[j]), "a reduced value in the log is not the row's letter");
    }
}

// The log keeps one line per transform: the encryptions, an empty line, the decryptions.
void checkLog(Rules &rules, const MemoryControls &controls)
{
    const QString log = controls.text(TextBox::Log);
    const qsizetype trigrams = controls.text(TextBox::Message).size() / 3;
    rules.require(log.endsWith(LineBreak), "the log does not end in a line break");
    rules.require(log.count(LineBreak) == 2 * trigrams + 1, "the log does not hold two lines per trigram and one more");
    QList<QStringView> lines = QStringView(log).split(LineBreak);
    lines.removeLast();
    rules.require(lines.size() == 2 * trigrams + 1, "the log lines are not split by \\r\\n alone");
    rules.require(lines[trigrams].isEmpty(), "the empty log line does not follow the encryptions");
    const QStringList &cipher = controls.rows(TrigramList::Cipher);
    const QStringList &decoded = controls.rows(TrigramList::Decoded);
    for (qsizetype k = 0; k < trigrams; ++k) {
        checkLogLine(rules, lines[k], cipher[k]);
        checkLogLine(rules, lines[trigrams + 1 + k], decoded[k]);
    }
}

} // namespace

QStringList brokenRules(const MemoryControls &controls, qsizetype inputLength)
{
    Rules rules;
    checkTexts(rules, controls, inputLength);
    checkLists(rules, controls);
    // The log's lines are matched against the list rows, so only when those are sound.
    if (rules.broken().isEmpty())
        checkLog(rules, controls);
    return rules.broken();
}

QStringList brokenVectorRules(const CipherWorksheet &sheet)
{
    Rules rules;
    for (const CodeVector *vector : { &sheet.PlainVector, &sheet.CipherVector, &sheet.DecodedVector }) {
        for (const qint16 code : *vector)
            rules.require(isCode(code), "a worksheet vector holds a value that is not a code 0-25");
    }
    return rules.broken();
}

} // namespace ResultCheck
