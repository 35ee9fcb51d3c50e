// Measures, at 100,000 people in a shown main window (offscreen unless a display is
// chosen), the find bar and the upcoming birthdays:
//   - a plain substring scan over the same names in a vector (the yardstick),
//   - a find-bar keystroke: the filter and the count, with and without the repaint,
//   - the first keystroke after a load, which folds the rows' texts once,
//   - the upcoming-birthday computation for 30 days and for a whole year, and the
//     window's refresh,
//   - the name sort of 100,000 names with accents, strokes and ligatures.
// Prints the figures against their goals at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "Collector.h"
#include "PersonFiles.h"
#include "age/AgeCalc.h"
#include "platform/MemoryReuse.h"
#include "platform/qt/list/ListSorter.h"
#include "platform/qt/list/ListView.h"
#include "store/Database.h"
#include "ui/main/FindBar.h"
#include "ui/main/frmMain.h"
#include "ui/upcoming/UpcomingBirthdays.h"
#include "ui/upcoming/frmUpcoming.h"

namespace {

constexpr int kPeople = 100000;
// A name typed one letter at a time; each keystroke filters by the text typed so far.
const QString kTyped = QStringLiteral("kowalski 4");

bench::PersonFiles* g_files = nullptr;
std::unique_ptr<frmMain> g_window;

frmMain& Window() {
    if (!g_window) {
        g_window = std::make_unique<frmMain>(QString::fromStdString(g_files->folderWith(kPeople)));
        g_window->show();
        QCoreApplication::processEvents();
    }
    return *g_window;
}

QString Typed(std::size_t keystroke) {
    return kTyped.left(static_cast<qsizetype>(keystroke % kTyped.size()) + 1);
}

void BM_PlainScan(benchmark::State& state) {
    frmMain& window = Window();
    std::vector<QString> names;
    for (int row = 0; row < window.Lvw()->rowCount(); ++row)
        names.push_back(window.Lvw()->cellText(row, 0));
    std::size_t keystroke = 0;
    for (auto _ : state) {
        const QString needle = Typed(keystroke++);
        std::vector<int> found;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i].contains(needle)) found.push_back(static_cast<int>(i));
        benchmark::DoNotOptimize(found.data());
    }
}

void Type(frmMain& window, std::size_t keystroke) {
    window.findBar()->edit()->setText(Typed(keystroke));
}

void BM_FilterKeystroke(benchmark::State& state) {
    frmMain& window = Window();
    window.findBar()->open();
    std::size_t keystroke = 0;
    for (auto _ : state) Type(window, keystroke++);
    window.findBar()->edit()->clear();
    QCoreApplication::processEvents();
}

void BM_FilterKeystrokePainted(benchmark::State& state) {
    frmMain& window = Window();
    window.findBar()->open();
    std::size_t keystroke = 0;
    for (auto _ : state) {
        Type(window, keystroke++);
        QCoreApplication::processEvents();
    }
    window.findBar()->edit()->clear();
    QCoreApplication::processEvents();
}

// The first keystroke after a load also folds every row's name and comments.
void BM_FirstKeystrokeAfterLoad(benchmark::State& state) {
    frmMain& window = Window();
    window.findBar()->open();
    for (auto _ : state) {
        state.PauseTiming();
        window.findBar()->edit()->clear();
        window.LoadLvw(QString());
        state.ResumeTiming();
        Type(window, 0);
    }
    window.findBar()->edit()->clear();
}

// 100,000 names of which most carry accents, strokes or ligatures, sorted as names: the
// folding's slow path, which the person files' plain ASCII names never take.
void BM_SortAccentedNames(benchmark::State& state) {
    static const char* const kFirsts[] = {"\u00c9mile", "\u00c5sa", "S\u00f8ren", "Zo\u00eb",
                                          "\u0141ucja", "\u00d0\u00f3ra", "Ann", "\u00c6sa"};
    static const char* const kLasts[] = {"\u00d8degaard", "Stra\u00dfer", "M\u00fcller",
                                         "\u0110or\u0111evi\u0107", "Lindqvist", "Bj\u00f6rk"};
    platform::ListRowStore rows;
    for (int i = 0; i < kPeople; ++i)
        rows.append(QStringLiteral("K%1").arg(i),
                    QStringLiteral("%1 %2 %3")
                        .arg(QString::fromUtf8(kFirsts[(i * 7) % 8]),
                             QString::fromUtf8(kLasts[(i / 8) % 6]))
                        .arg((i * 7919) % 100003),
                    1, 1);
    std::vector<int> order(static_cast<std::size_t>(kPeople));
    for (int i = 0; i < kPeople; ++i) order[static_cast<std::size_t>(i)] = i;
    for (auto _ : state) {
        const auto sorted = platform::ListSorter::Sorted(rows, order, 0, Qt::AscendingOrder,
                                                         platform::SortAs::Names);
        benchmark::DoNotOptimize(sorted.data());
    }
}

void BM_Upcoming(benchmark::State& state) {
    const platform::ListRowStore& rows = Window().Lvw()->storedRows();
    const std::int32_t today = modAgeCalc::TodaySerial();
    std::size_t found = 0;
    for (auto _ : state) {
        const auto list =
            upcoming::UpcomingBirthdays(rows, today, static_cast<int>(state.range(0)));
        found = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["people"] = static_cast<double>(found);
}

void BM_UpcomingWindowRefresh(benchmark::State& state) {
    frmMain& window = Window();
    window.MnuUpcoming_Click();
    frmUpcoming* upcoming = window.upcomingWindow();
    for (auto _ : state) {
        upcoming->refresh();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_SortAccentedNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeystrokePainted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstKeystrokeAfterLoad)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Upcoming)->Arg(30)->Arg(366)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpcomingWindowRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // As the program does, so that time and memory are measured as it has them.
    platform::PrepareMemoryForLargeLists();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::PersonFiles files;
    g_files = &files;
    std::printf("Making the person file (100,000 people)...\n");
    files.folderWith(kPeople);

    bench::Collector collector;
    collector.run(argc, argv);

    const double scan = collector.cpuMs("BM_PlainScan");
    const double keystroke = collector.cpuMs("BM_FilterKeystroke");
    const double painted = collector.cpuMs("BM_FilterKeystrokePainted");
    std::printf("\nIn CPU time, at 100,000 people:\n");
    bench::Verdict("keystroke / plain scan", scan > 0 ? keystroke / scan : 0.0, "x", 3);
    bench::Verdict("keystroke", keystroke, "ms", 30);
    std::printf("  keystroke with repaint / plain scan %.2f x (%.2f ms)\n",
                scan > 0 ? painted / scan : 0.0, painted);
    bench::Verdict("name sort, accented names", collector.cpuMs("BM_SortAccentedNames"), "ms",
                   30);
    std::printf("  first keystroke after a load (folds the texts) %.2f ms\n",
                collector.cpuMs("BM_FirstKeystrokeAfterLoad/iterations:5"));
    bench::Verdict("upcoming birthdays, 30 days", collector.cpuMs("BM_Upcoming/30"), "ms", 20);
    std::printf("  upcoming birthdays, 366 days %.2f ms; window refresh (30 days) %.2f ms\n",
                collector.cpuMs("BM_Upcoming/366"), collector.cpuMs("BM_UpcomingWindowRefresh"));
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
