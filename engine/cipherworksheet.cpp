#include "cipherworksheet.h"

#include "lettercode.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// A tail of one or two letters is copied through both passes unchanged.
QString tailOf(const QString &text)
{
    return text.right(text.size() % 3);
}

QString trigramLetters(const CodeVector &codes)
{
    QString letters;
    letters.reserve(3);
    for (const qint16 code : codes)
        letters += LetterCode::toLetter(code);
    return letters;
}

} // namespace

CipherWorksheet::CipherWorksheet(WorksheetControls &controls)
    : m_controls(controls)
{
}

void CipherWorksheet::LoadMatrices()
{
    EncryptionMatrix = EncryptionKey;
    DecryptionMatrix = DecryptionKey;
}

void CipherWorksheet::EncryptTrigram()
{
    Transform(EncryptionMatrix, PlainVector, CipherVector);
}

void CipherWorksheet::DecryptTrigram()
{
    Transform(DecryptionMatrix, CipherVector, DecodedVector);
}

// The log gets the raw sums first and the reduced values after, so between the two
// writes it ends in " = ".
void CipherWorksheet::Transform(const KeyMatrix &matrix, const CodeVector &input, CodeVector &output)
{
    for (int row = 1; row <= 3; ++row) {
        int sum = 0;
        for (int column = 1; column <= 3; ++column)
            sum += matrixElement(matrix, row, column) * input[static_cast<std::size_t>(column - 1)];
        output[static_cast<std::size_t>(row - 1)] = static_cast<qint16>(sum);
    }
    appendLog(output, QStringLiteral(" = "));
    for (qint16 &value : output)
        value = static_cast<qint16>(value % LetterCode::AlphabetSize);
    appendLog(output, LineBreak);
}

void CipherWorksheet::appendLog(const CodeVector &values, const QString &ending)
{
    const QString piece = QString::number(values[0]) + QStringLiteral(", ") + QString::number(values[1])
        + QStringLiteral(", ") + QString::number(values[2]) + ending;
    m_controls.appendText(TextBox::Log, piece);
}

void CipherWorksheet::RunEncryption()
{
    m_controls.setText(TextBox::Log, QString());
    m_controls.clearList(TrigramList::Cipher);
    m_controls.clearList(TrigramList::Decoded);
    m_controls.clearList(TrigramList::Plain);
    m_controls.setText(TextBox::Cipher, QString());
    NormalizeMessage();
    EncryptMessage();
    m_controls.appendText(TextBox::Log, LineBreak);
    DecryptMessage();
}

void CipherWorksheet::NormalizeMessage()
{
    const qsizetype length = m_controls.text(TextBox::Message).size();
    m_controls.setText(TextBox::Message, LetterCode::upperCasedPerCharacter(m_controls.text(TextBox::Message)));
    const QString upper = m_controls.text(TextBox::Message);
    QString cleaned;
    cleaned.reserve(upper.size());
    for (qsizetype i = 0; i < length && i < upper.size(); ++i) {
        if (LetterCode::isCodeLetter(upper[i]))
            cleaned += upper[i];
    }
    m_controls.setText(TextBox::Message, cleaned);
}

void CipherWorksheet::EncryptMessage()
{
    m_controls.setText(TextBox::Message, LetterCode::upperCasedPerCharacter(m_controls.text(TextBox::Message)));
    const QString message = m_controls.text(TextBox::Message);
    const qsizetype trigrams = message.size() / 3;
    for (qsizetype k = 0; k < trigrams; ++k) {
        const QString plain = message.mid(3 * k, 3);
        for (std::size_t j = 0; j < 3; ++j)
            PlainVector[j] = LetterCode::fromLetter(plain[static_cast<qsizetype>(j)]);
        m_controls.addRow(TrigramList::Plain, plain);
        EncryptTrigram();
        const QString cipher = trigramLetters(CipherVector);
        m_controls.addRow(TrigramList::Cipher, cipher);
        m_controls.appendText(TextBox::Cipher, cipher);
    }
    const QString tail = tailOf(m_controls.text(TextBox::Message));
    if (!tail.isEmpty()) {
        m_controls.addRow(TrigramList::Plain, tail);
        m_controls.addRow(TrigramList::Cipher, tail);
        m_controls.appendText(TextBox::Cipher, tail);
    }
}

void CipherWorksheet::DecryptMessage()
{
    const QString cipher = m_controls.text(TextBox::Cipher);
    const qsizetype trigrams = cipher.size() / 3;
    for (qsizetype k = 0; k < trigrams; ++k) {
        for (std::size_t j = 0; j < 3; ++j)
            CipherVector[j] = LetterCode::fromLetter(cipher[3 * k + static_cast<qsizetype>(j)]);
        DecryptTrigram();
        m_controls.addRow(TrigramList::Decoded, trigramLetters(DecodedVector));
    }
    const QString tail = tailOf(m_controls.text(TextBox::Cipher));
    if (!tail.isEmpty())
        m_controls.addRow(TrigramList::Decoded, tail);
}
