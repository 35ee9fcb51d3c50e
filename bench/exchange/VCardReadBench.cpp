// Reading a 50 MB vCard file made of one line without a colon, each of whose folds ends
// in "=" (the shape that once made the reader rescan the line at every fold), against
// reading a plain 50 MB vCard file of ordinary cards. Goal: the hostile file within twice
// the plain one's time. The same cards with birthdays whose year is unknown (--MMDD and
// Apple's X-APPLE-OMIT-YEAR) read about as fast as the plain ones.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "Collector.h"
#include "exchange/Exchange.h"

namespace {

constexpr std::size_t kBytes = 50u << 20;

// Ordinary cards up to 50 MB; `yearless` gives every other card --MMDD and the rest
// a placeholder year named in X-APPLE-OMIT-YEAR.
std::string Cards(bool yearless) {
    std::string out;
    out.reserve(kBytes + 512);
    char card[320], bday[64];
    for (int i = 0; out.size() < kBytes; ++i) {
        const int month = 1 + i % 12, day = 1 + i % 28;
        if (!yearless)
            std::snprintf(bday, sizeof bday, "BDAY:%04d-%02d-%02d", 1920 + i % 100, month, day);
        else if (i % 2 == 0)
            std::snprintf(bday, sizeof bday, "BDAY:--%02d%02d", month, day);
        else
            std::snprintf(bday, sizeof bday, "BDAY;X-APPLE-OMIT-YEAR=1604:1604-%02d-%02d", month,
                          day);
        std::snprintf(card, sizeof card,
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %d Surname\r\n"
                      "N:Surname;Person %d;;;\r\n%s\r\n"
                      "NOTE:Met at the fair\\, year %d\r\nEND:VCARD\r\n",
                      i, i, bday, i);
        out += card;
    }
    return out;
}

const std::string& Plain() {
    static const std::string text = Cards(false);
    return text;
}

const std::string& Yearless() {
    static const std::string text = Cards(true);
    return text;
}

const std::string& Hostile() {
    static const std::string text = [] {
        std::string out = "BEGIN:VCARD\r\nX-NOTE;ENCODING=QUOTED-PRINTABLE";
        out.reserve(kBytes + 512);
        while (out.size() < kBytes) out += std::string(72, 'A') + "=\r\n ";
        out += "A\r\nEND:VCARD\r\n";
        return out;
    }();
    return text;
}

void Read(benchmark::State& state, const std::string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(exchange::ReadVCard(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

}  // namespace

BENCHMARK_CAPTURE(Read, plain, Plain())->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Read, hostile, Hostile())->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Read, yearless, Yearless())->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    bench::Collector collector;
    collector.run(argc, argv);
    const double plain = collector.ms("Read/plain/iterations:3");
    const double hostile = collector.ms("Read/hostile/iterations:3");
    const double yearless = collector.ms("Read/yearless/iterations:3");
    if (plain > 0) {
        std::printf("50 MB vCard: hostile / plain = %.2f (goal: within 2)\n", hostile / plain);
        std::printf("50 MB vCard: year unknown / plain = %.2f (goal: within 1.25)\n",
                    yearless / plain);
    }
    benchmark::Shutdown();
    return 0;
}
