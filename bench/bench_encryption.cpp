#include "cipherworksheet.h"
#include "memorycontrols.h"

#include <benchmark/benchmark.h>

static QString lowerCaseLetters(qsizetype letters)
{
    QString message;
    message.reserve(letters);
    for (qsizetype i = 0; i < letters; ++i)
        message += QChar(static_cast<char16_t>(u'a' + (i * 7 + i / 26) % 26));
    return message;
}

// The encrypt action through in-memory boxes and lists, on messages of the given letter count.
static void RunEncryption(benchmark::State &state)
{
    const auto letters = static_cast<qsizetype>(state.range(0));
    const QString message = lowerCaseLetters(letters);

    MemoryControls controls;
    CipherWorksheet sheet(controls);
    sheet.LoadMatrices();
    for (auto _ : state) {
        controls.setText(TextBox::Message, message);
        sheet.RunEncryption();
        benchmark::DoNotOptimize(controls.text(TextBox::Log).size());
    }
    state.SetItemsProcessed(state.iterations() * letters);
    state.counters["ns_per_letter"] = benchmark::Counter(static_cast<double>(letters),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(RunEncryption)->Arg(50)->Arg(5000)->Arg(500000)->Unit(benchmark::kMicrosecond);

// A floor to set RunEncryption beside: the same message put into the in-memory message box and
// read back, with no cipher work at all.
static void CopyMessage(benchmark::State &state)
{
    const QString message = lowerCaseLetters(static_cast<qsizetype>(state.range(0)));
    MemoryControls controls;
    for (auto _ : state) {
        controls.setText(TextBox::Message, message);
        benchmark::DoNotOptimize(controls.text(TextBox::Message).size());
    }
}
BENCHMARK(CopyMessage)->Arg(50)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
