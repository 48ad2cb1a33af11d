#pragma once

#include "keymatrix.h"
#include "worksheetcontrols.h"

// The window's cipher state: the key, its inverse and the vectors of the trigram being
// worked on. Every operation reads its input from the controls and writes its results
// back into them; nothing of a run is kept here except the last trigram's codes.
class CipherWorksheet
{
public:
    explicit CipherWorksheet(WorksheetControls &controls);

    // Stores the key, then its inverse; the window does this once as it loads.
    void LoadMatrices();

    // Multiplies EncryptionMatrix by PlainVector into CipherVector and logs the product.
    void EncryptTrigram();
    // Multiplies DecryptionMatrix by CipherVector into DecodedVector and logs the product.
    void DecryptTrigram();

    // The encrypt action: clears the previous results, cleans the message down to A-Z,
    // encrypts it trigram by trigram and decrypts the cipher text again.
    void RunEncryption();

    KeyMatrix EncryptionMatrix {};
    KeyMatrix DecryptionMatrix {};
    CodeVector PlainVector {};
    CodeVector CipherVector {};
    CodeVector DecodedVector {};

private:
    // The passes run only inside RunEncryption, after the message has been cleaned, so every
    // letter they convert is one of A-Z.
    void NormalizeMessage();
    void EncryptMessage();
    void DecryptMessage();
    void Transform(const KeyMatrix &matrix, const CodeVector &input, CodeVector &output);
    void appendLog(const CodeVector &values, const QString &ending);

    WorksheetControls &m_controls;
};
