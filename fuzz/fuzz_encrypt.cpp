// Runs the encrypt action on any text and checks what it must leave in the controls,
// whatever the text: the input bytes are read as UTF-16 code units, so lone surrogates,
// NULs and characters outside Latin all reach the worksheet.

#include "cipherworksheet.h"
#include "memorycontrols.h"
#include "resultcheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype MaxCharacters = 100000;

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

void require(const QStringList &broken)
{
    if (broken.isEmpty())
        return;
    for (const QString &rule : broken)
        std::fprintf(stderr, "fuzz_encrypt: broken: %s\n", qPrintable(rule));
    std::abort();
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

    require(ResultCheck::brokenRules(controls, input.size()));
    require(ResultCheck::brokenVectorRules(sheet));
    return 0;
}
