// SPDX-License-Identifier: MIT
// Calls per second of the rule and the text layer on the texts the window feeds them.
#include "checkletter.h"
#include "numberformat.h"
#include "numerictext.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

// Eight-digit numbers, as the number field holds them, in a fixed pseudo-random order.
const std::vector<std::u16string> &eightDigitTexts()
{
    static const std::vector<std::u16string> texts = [] {
        std::mt19937 random(23);
        std::uniform_int_distribution<int> number(0, 99'999'999);
        std::vector<std::u16string> result;
        for (int i = 0; i < 4096; ++i)
            result.push_back(
                QStringLiteral("%1").arg(number(random), 8, 10, QLatin1Char('0')).toStdU16String());
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
    overEightDigitTexts(state, [](const std::u16string &text) { return CalcularLetra(text); });
}

void IsNumericEightDigits(benchmark::State &state)
{
    overEightDigitTexts(state,
                        [](const std::u16string &text) { return platform::isNumeric(text); });
}

void TextToIntegerEightDigits(benchmark::State &state)
{
    overEightDigitTexts(state,
                        [](const std::u16string &text) { return platform::textToInteger(text); });
}

// The general reader: separators, a decimal comma and a currency symbol in Spain's format.
void TextToIntegerLocaleForms(benchmark::State &state)
{
    const platform::NumberFormat spanish{u",", u".", u"-", u"+", u"€"};
    const std::u16string texts[] = {u"1.234.567,5", u"-€ 12", u" 2,5e3 ", u"12.345.678 €"};
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
