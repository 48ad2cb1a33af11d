#include "cipherworksheet.h"
#include "memorycontrols.h"

#include <benchmark/benchmark.h>

// The encrypt action through in-memory boxes and lists, on messages of the given letter count.
static void RunEncryption(benchmark::State &state)
{
    const auto letters = static_cast<qsizetype>(state.range(0));
    QString message;
    message.reserve(letters);
    for (qsizetype i = 0; i < letters; ++i)
        message += QChar(static_cast<char16_t>(u'a' + (i * 7 + i / 26) % 26));

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

BENCHMARK_MAIN();
