// Times `marrowtide-cli import` of a CSV file against the sqlite3 shell's
// `.import --csv` of the same rows into the same table, and `marrowtide-cli export`
// against `sqlite3 -csv` of the same query, at 100,000 people, each pair in turn. The
// ratios are printed at the end of the run (goal: both within 1.2).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "store/Schema.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPeople = 100000;

struct Files {
    fs::path folder;
    fs::path ours;      // Name,Birth,Comments: what a user imports
    fs::path withKeys;  // the same rows with their keys first, the table's own columns
    fs::path emptyDb;   // a database with the empty table, copied for every import
    fs::path filledDb;  // the people stored, for the exports
};

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

void WriteCsvFiles(const Files& files) {
    std::ofstream ours(files.ours, std::ios::binary);
    std::ofstream withKeys(files.withKeys, std::ios::binary);
    ours << "Name,Birth,Comments\r\n";
    withKeys << "lngID,strName,dtmBirth,strComments\r\n";
    char row[160];
    for (int i = 1; i <= kPeople; ++i) {
        // Names in no order, births spread over a century, a comment that needs quotes.
        const unsigned scrambled = static_cast<unsigned>(i) * 2654435761u % 1000003u;
        std::snprintf(
            row, sizeof row,
            "Person %07u Surname,%04d-%02d-%02d %02d:%02d:00,\"Met at %d, \"\"the\"\" fair\"",
            scrambled, 1920 + i % 100, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i);
        ours << row << "\r\n";
        withKeys << i << ',' << row << "\r\n";
    }
}

double Seconds(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) std::fprintf(stderr, "failed (%d): %s\n", status, command.c_str());
    return std::chrono::duration<double>(end - start).count();
}

Files& Setup() {
    static Files files = [] {
        Files f;
        f.folder = fs::temp_directory_path() / "marrowtide-bench-cli";
        fs::remove_all(f.folder);
        fs::create_directories(f.folder);
        f.ours = f.folder / "people.csv";
        f.withKeys = f.folder / "people-keys.csv";
        f.emptyDb = f.folder / "empty.mdb";
        f.filledDb = f.folder / "filled.mdb";
        WriteCsvFiles(f);
        std::string error;
        if (!store::CreateEmptyDatabase(f.emptyDb.string(), error))
            std::fprintf(stderr, "%s\n", error.c_str());
        fs::copy_file(f.emptyDb, f.filledDb);
        Seconds(std::string(MARROWTIDE_CLI) + " --database " + Quoted(f.filledDb) + " import " +
                Quoted(f.ours) + " > /dev/null");
        return f;
    }();
    return files;
}

std::map<std::string, double>& Ratios() {
    static std::map<std::string, double> ratios;
    return ratios;
}

using Command = std::string (*)(const Files&, const fs::path& db);

// Times ours and theirs in turn, each on a fresh copy of the empty database or on the
// filled one; the ratio kept under `name` is the median of the pairs' ratios, which
// holds when the machine's speed drifts during the run.
void RunPair(benchmark::State& state, const char* name, bool fresh, Command ours, Command theirs) {
    const Files& files = Setup();
    if (std::string(SQLITE3_SHELL).empty()) {
        state.SkipWithError("no sqlite3 shell found when the build was configured");
        return;
    }
    const fs::path db = fresh ? files.folder / "target.mdb" : files.filledDb;
    const auto time = [&](Command command) {
        if (fresh) {
            fs::remove(db);
            fs::copy_file(files.emptyDb, db);
        }
        return Seconds(command(files, db));
    };
    std::vector<double> ratios;
    for (auto _ : state) {
        const double a = time(ours);
        const double b = time(theirs);
        state.SetIterationTime(a);
        ratios.push_back(a / b);
    }
    std::sort(ratios.begin(), ratios.end());
    Ratios()[name] = ratios[ratios.size() / 2];
}

std::string CliImport(const Files& f, const fs::path& db) {
    return std::string(MARROWTIDE_CLI) + " --database " + Quoted(db) + " import " + Quoted(f.ours) +
           " > /dev/null";
}

std::string SqliteImport(const Files& f, const fs::path& db) {
    return std::string(SQLITE3_SHELL) + " " + Quoted(db) + " \".import --csv --skip 1 " +
           f.withKeys.string() + " tblAges\"";
}

std::string CliExport(const Files& f, const fs::path& db) {
    return std::string(MARROWTIDE_CLI) + " --database " + Quoted(db) + " export " +
           Quoted(f.folder / "out.csv") + " --force > /dev/null";
}

std::string SqliteExport(const Files& f, const fs::path& db) {
    return std::string(SQLITE3_SHELL) + " -csv -header " + Quoted(db) +
           " \"SELECT strName AS Name, dtmBirth AS Birth, strComments AS Comments FROM "
           "tblAges ORDER BY strName COLLATE NOCASE, lngID\" > " +
           Quoted(f.folder / "out-sqlite.csv");
}

void BM_Import(benchmark::State& state) {
    RunPair(state, "import of 100,000 people", true, CliImport, SqliteImport);
}

void BM_Export(benchmark::State& state) {
    RunPair(state, "export of 100,000 people", false, CliExport, SqliteExport);
}

constexpr int kIterations = 9;
BENCHMARK(BM_Import)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_Export)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    for (const auto& [label, ratio] : Ratios())
        std::printf("%s: marrowtide-cli / sqlite3 = %.2f, median of pairs (goal: within 1.2)\n",
                    label.c_str(), ratio);
    benchmark::Shutdown();
    fs::remove_all(fs::temp_directory_path() / "marrowtide-bench-cli");
    return 0;
}
