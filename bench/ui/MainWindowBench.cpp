// Measures the person list of the main window at 100,000 and 1,000,000 people, in a
// shown window on the offscreen platform unless a display is chosen:
//   - a plain read of all rows through SQLite's C interface (the yardstick),
//   - LoadLvw with the real event pump, and without it (the share of the yields),
//   - header-click sorts by age and by name, and a switch to large icons,
//   - resident memory per person beyond the empty program (Linux only).
// Prints the figures against their goals at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "Collector.h"
#include "PersonFiles.h"
#include "RawRead.h"
#include "platform/EventPump.h"
#include "platform/MemoryReuse.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/list/ListView.h"
#include "store/Database.h"
#include "ui/main/frmMain.h"

#if defined(__linux__)
#include <unistd.h>

#include <fstream>
#endif

namespace {

constexpr int kHundredThousand = 100000;
constexpr int kMillion = 1000000;

bench::PersonFiles* g_files = nullptr;
platform::QtEventPump g_pump;
std::map<int, std::unique_ptr<frmMain>> g_windows;  // closed before the application ends

std::string FileIn(const std::string& folder) {
    return modAgeCalc::WithTrailingSeparator(folder) + modAgeCalc::kDatabaseFileName;
}

// One shown main window, on the database of `count` people.
frmMain& WindowWith(int count) {
    auto& window = g_windows[count];
    if (!window) {
        window = std::make_unique<frmMain>(QString::fromStdString(g_files->folderWith(count)));
        window->show();
        QCoreApplication::processEvents();
    }
    modAgeCalc::SetDatabaseFolder(modAgeCalc::WithTrailingSeparator(g_files->folderWith(count)));
    return *window;
}

void PaintNow() {
    QCoreApplication::processEvents();
}

void BM_RawRead(benchmark::State& state) {
    const std::string path = FileIn(g_files->folderWith(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        std::vector<store::PersonRow> rows;
        std::string error;
        if (!store::ReadAllPersonsRaw(path, rows, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(rows.data());
    }
}

// LoadLvw as the program runs it, until the list has been painted.
void BM_LoadLvw(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.LoadLvw(QString());
        PaintNow();
    }
    if (window.Lvw()->rowCount() != state.range(0)) state.SkipWithError("rows missing");
}

// The same without letting events through every 21 rows.
void BM_LoadLvwNoYield(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    platform::EventPump* pump = platform::SetEventPump(nullptr);
    for (auto _ : state) {
        window.LoadLvw(QString());
        PaintNow();
    }
    platform::SetEventPump(pump);
}

// A click on the "Age" header: the first sorts by age, each further one reverses.
void BM_HeaderSort(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.Lvw_ColumnClick(3);
        PaintNow();
    }
    window.Lvw_ColumnClick(1);
}

// A click on the "Name" header: names in a reader's order, reversed at each click.
void BM_NameHeaderSort(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.Lvw_ColumnClick(1);
        PaintNow();
    }
}

// A load sorts only the rows it shows first; the first look further down (here the
// last row selected and shown) sorts the rest.
void BM_FirstLookPastTheFirstRows(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        window.LoadLvw(QString());
        PaintNow();
        state.ResumeTiming();
        window.Lvw()->selectRow(window.Lvw()->rowCount() - 1);
        PaintNow();
    }
}

void BM_SwitchToLargeIcons(benchmark::State& state) {
    frmMain& window = WindowWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.cmdView_Click(0);
        PaintNow();
        state.PauseTiming();
        window.cmdView_Click(1);
        PaintNow();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_RawRead)->Arg(kHundredThousand)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLvw)->Arg(kHundredThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLvwNoYield)->Arg(kHundredThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLvw)->Arg(kMillion)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLvwNoYield)->Arg(kMillion)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSort)->Arg(kHundredThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameHeaderSort)->Arg(kHundredThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToLargeIcons)->Arg(kHundredThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstLookPastTheFirstRows)
    ->Arg(kHundredThousand)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

#if defined(__linux__)
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// Resident memory the list of `count` people adds to a window showing the empty list.
// Measured before anything else runs, so earlier work leaves nothing behind.
double BytesPerPerson(int count) {
    frmMain window(QString::fromStdString(g_files->folderWith(0)));
    window.show();
    PaintNow();
    const double empty = ResidentBytes();
    modAgeCalc::SetDatabaseFolder(modAgeCalc::WithTrailingSeparator(g_files->folderWith(count)));
    window.LoadLvw(QString());
    window.cmdView_Click(0);
    PaintNow();
    window.cmdView_Click(1);
    PaintNow();
    return (ResidentBytes() - empty) / count;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    // As the program does, so that time and memory are measured as it has them.
    platform::PrepareMemoryForLargeLists();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetEventPump(&g_pump);
    bench::PersonFiles files;
    g_files = &files;
    std::printf("Making the person files (100,000 and 1,000,000 people)...\n");
    files.folderWith(0);
    files.folderWith(kHundredThousand);
    files.folderWith(kMillion);

#if defined(__linux__)
    const double perPerson = BytesPerPerson(kHundredThousand);
#endif

    bench::Collector collector;
    collector.run(argc, argv);

    // The list is loaded, sorted and painted on this thread alone: CPU time.
    const double raw = collector.cpuMs("BM_RawRead/100000");
    const double load = collector.cpuMs("BM_LoadLvw/100000");
    const double quiet = collector.cpuMs("BM_LoadLvwNoYield/100000");
    std::printf("\nIn CPU time, at 100,000 people:\n");
    std::printf("  raw read %.1f ms, LoadLvw %.1f ms; the 4,762 yields take %.1f ms of it\n", raw,
                load, load - quiet);
    bench::Verdict("LoadLvw / raw read", raw > 0 ? load / raw : 0.0, "x", 1.2);
    bench::Verdict("header-click sort, Age", collector.cpuMs("BM_HeaderSort/100000"), "ms", 30);
    bench::Verdict("header-click sort, Name", collector.cpuMs("BM_NameHeaderSort/100000"), "ms",
                   30);
    bench::Verdict("switch to large icons", collector.cpuMs("BM_SwitchToLargeIcons/100000"), "ms",
                   20);
    bench::Verdict("first look past the first rows",
                   collector.cpuMs("BM_FirstLookPastTheFirstRows/100000/iterations:20"), "ms", 30);
#if defined(__linux__)
    bench::Verdict("resident memory per person", perPerson, "bytes", 150);
#endif
    const double rawMillion = collector.cpuMs("BM_RawRead/1000000");
    const double loadMillion = collector.cpuMs("BM_LoadLvw/1000000/iterations:3");
    const double quietMillion = collector.cpuMs("BM_LoadLvwNoYield/1000000/iterations:3");
    std::printf("At 1,000,000 people:\n");
    std::printf("  raw read %.1f ms, LoadLvw %.1f ms; the 47,619 yields take %.1f ms of it\n",
                rawMillion, loadMillion, loadMillion - quietMillion);
    bench::Verdict("LoadLvw / raw read", rawMillion > 0 ? loadMillion / rawMillion : 0.0, "x",
                   1.2);
    benchmark::Shutdown();
    g_windows.clear();
    return 0;
}
