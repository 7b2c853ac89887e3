// SPDX-License-Identifier: MIT
// Calls per second of the rule and the text layer on the texts the window feeds them.
#include "checkletter.h"
#include "numerictext.h"

#include <QLocale>
#include <QString>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

// Eight-digit numbers, as the number field holds them, in a fixed pseudo-random order.
const std::vector<QString> &eightDigitTexts()
{
    static const std::vector<QString> texts = [] {
        std::mt19937 random(23);
        std::uniform_int_distribution<int> number(0, 99'999'999);
        std::vector<QString> result;
        for (int i = 0; i < 4096; ++i)
            result.push_back(QStringLiteral("%1").arg(number(random), 8, 10, QLatin1Char('0')));
        return result;
    }();
    return texts;
}

template <typename Call> void overEightDigitTexts(benchmark::State &state, Call call)
{
    const auto &texts = eightDigitTexts();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(call(texts[i++ & 4095]));
    state.SetItemsProcessed(state.iterations());
}

void CalcularLetraEightDigits(benchmark::State &state)
{
    overEightDigitTexts(state, [](const QString &text) { return CalcularLetra(text); });
}

void IsNumericEightDigits(benchmark::State &state)
{
    overEightDigitTexts(state, [](const QString &text) { return platform::isNumeric(text); });
}

void TextToIntegerEightDigits(benchmark::State &state)
{
    overEightDigitTexts(state, [](const QString &text) { return platform::textToInteger(text); });
}

// The general reader: separators, a decimal comma and a currency symbol in the Spanish locale.
void TextToIntegerLocaleForms(benchmark::State &state)
{
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const QString texts[] = {QStringLiteral("1.234.567,5"), QStringLiteral("-€ 12"),
                             QStringLiteral(" 2,5e3 "), QStringLiteral("12.345.678 €")};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::textToInteger(texts[i++ & 3], spanish));
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(CalcularLetraEightDigits);
BENCHMARK(IsNumericEightDigits);
BENCHMARK(TextToIntegerEightDigits);
BENCHMARK(TextToIntegerLocaleForms);
BENCHMARK_MAIN();
