// How long the person list spends on each row's age text and date texts. The list
// computes the age of every person on each load, so layout 9 must stay well below a
// microsecond per call.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FixedClock.h"
#include "age/AgeCalc.h"
#include "platform/Clock.h"

namespace {

constexpr std::size_t kBirthCount = 10000;

// Birth dates spread evenly over 01/01/1920 to 12/31/2026, in the list's "MM/DD/YYYY".
std::vector<std::string> birthTexts() {
    const std::int32_t first = modAgeCalc::SerialFromCivil(1920, 1, 1);
    const std::int32_t last = modAgeCalc::SerialFromCivil(2026, 12, 31);
    std::vector<std::string> texts;
    texts.reserve(kBirthCount);
    for (std::size_t i = 0; i < kBirthCount; ++i) {
        const auto step = static_cast<std::int64_t>(last - first) * static_cast<std::int64_t>(i);
        texts.push_back(modAgeCalc::FormatDateText(first + step / (kBirthCount - 1)));
    }
    return texts;
}

std::vector<double> birthValues() {
    std::vector<double> values;
    values.reserve(kBirthCount);
    for (const std::string& text : birthTexts()) {
        double value = 0;
        modAgeCalc::ParseDateText(text, value);
        values.push_back(value);
    }
    return values;
}

// The list's call: birth date, today's date as a text, layout 9.
void BM_AgeTextLayout9(benchmark::State& state) {
    const std::vector<std::string> births = birthTexts();
    std::string today = "05/20/2024";
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modAgeCalc::AgeText(births[i], today, 9));
        if (++i == births.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AgeTextLayout9);

// The same with a blank to-date, which asks the (fixed) clock for today on every call.
void BM_AgeTextLayout9BlankToDate(benchmark::State& state) {
    const testsupport::FixedClock clock({2024, 5, 20, 14, 30, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    const std::vector<std::string> births = birthTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string today;
        benchmark::DoNotOptimize(modAgeCalc::AgeText(births[i], today, 9));
        if (++i == births.size()) i = 0;
    }
    platform::SetClock(previous);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AgeTextLayout9BlankToDate);

void BM_AgeTextLayout7(benchmark::State& state) {
    const std::string from = "01/01/2000 10:20:30";
    std::string to = "01/03/2000 11:25:31";
    for (auto _ : state) benchmark::DoNotOptimize(modAgeCalc::AgeText(from, to, 7));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AgeTextLayout7);

void BM_FormatDateText(benchmark::State& state) {
    const std::vector<double> births = birthValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modAgeCalc::FormatDateText(births[i]));
        if (++i == births.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatDateText);

void BM_ParseDateText(benchmark::State& state) {
    const std::vector<std::string> births = birthTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(modAgeCalc::ParseDateText(births[i], value));
        benchmark::DoNotOptimize(value);
        if (++i == births.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseDateText);

void BM_ParseDateTextWithTime(benchmark::State& state) {
    const std::string text = "1/3/2000 11:25:31 PM";
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(modAgeCalc::ParseDateText(text, value));
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseDateTextWithTime);

}  // namespace

BENCHMARK_MAIN();
