// The person store on a file of 100,000 persons: how fast SavePerson adds, how a
// recordset read of the whole table compares with the plainest C-interface read, and
// what the daily backup costs next to that read.
//
// The file lives in the system's temporary folder, or in MARROWTIDE_BENCH_DIR when
// set (a RAM disk there takes the disk's sync time out of the save figures).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "RawRead.h"
#include "store/Backup.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/PersonStore.h"
#include "store/Recordset.h"
#include "store/Schema.h"

namespace {

constexpr int kPersons = 100000;

// A database folder holding kPersons people, removed at exit.
class PersonFile {
public:
    PersonFile() {
        const char* base = std::getenv("MARROWTIDE_BENCH_DIR");
        folder_ = std::filesystem::path(base ? base : std::filesystem::temp_directory_path()) /
                  ("marrowtide-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
        modAgeCalc::SetDatabaseFolder(modAgeCalc::WithTrailingSeparator(folder_.string()));
        std::string error;
        if (!store::CreateEmptyDatabase(modAgeCalc::DatabasePath(), error)) std::abort();
        Fill();
    }
    ~PersonFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    static PersonFile& Get() {
        static PersonFile file;
        return file;
    }

private:
    static void Fill() {
        sqlite3* db = nullptr;
        sqlite3_stmt* insert = nullptr;
        sqlite3_open_v2(modAgeCalc::DatabasePath().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db,
                           "INSERT INTO tblAges (strName, dtmBirth, strComments) VALUES (?, ?, ?)",
                           -1, &insert, nullptr);
        for (int i = 0; i < kPersons; ++i) {
            const std::string name = "Person number " + std::to_string(i);
            sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, "1980-02-29 13:14:15", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 3, i % 3 ? "." : "Likes long walks on the beach", -1,
                              SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db);
    }

    std::filesystem::path folder_;
};

void BM_SavePersonAdd(benchmark::State& state) {
    PersonFile::Get();
    for (auto _ : state) {
        if (!modAgeCalc::SavePerson(0, "Benchmark person", 29280.5, "").empty())
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SavePersonAdd)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same add with every row of the table read first: what the add query would
// cost if its rows were materialised.
void BM_AddWithTableReadFirst(benchmark::State& state) {
    PersonFile::Get();
    for (auto _ : state) {
        store::Connection conn;
        store::Recordset rs;
        store::Error e;
        const bool ok = conn.Open(modAgeCalc::DatabasePath(), e) &&
                        rs.Open(conn, "SELECT * FROM tblAges;", {}, e) && rs.AddNew(e) &&
                        rs.SetField("strName", std::string("Benchmark person"), e) &&
                        rs.SetField("dtmBirth", std::string("1980-02-29 12:00:00"), e) &&
                        rs.SetField("strComments", std::string("."), e) && rs.Update(e);
        if (!ok) state.SkipWithError(e.description.c_str());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddWithTableReadFirst)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RawReadAll(benchmark::State& state) {
    PersonFile::Get();
    for (auto _ : state) {
        std::vector<store::PersonRow> rows;
        std::string error;
        if (!store::ReadAllPersonsRaw(modAgeCalc::DatabasePath(), rows, error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_RawReadAll)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the person list does: open, walk every row, look at each column.
void BM_RecordsetReadAll(benchmark::State& state) {
    PersonFile::Get();
    for (auto _ : state) {
        store::Connection conn;
        store::Recordset rs;
        store::Error e;
        if (!conn.Open(modAgeCalc::DatabasePath(), e) ||
            !rs.Open(conn, "SELECT * FROM tblAges", {}, e)) {
            state.SkipWithError(e.description.c_str());
            break;
        }
        const int columns[] = {rs.FieldIndex("lngID"), rs.FieldIndex("strName"),
                               rs.FieldIndex("dtmBirth"), rs.FieldIndex("strComments")};
        std::size_t seen = 0;
        while (!rs.Eof()) {
            for (int c : columns) seen += rs.Field(c).index();
            rs.MoveNext(e);
        }
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(BM_RecordsetReadAll)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first start of a day: the checked copy, made beside the shown window, to set
// against the read above.
void BM_DailyBackup(benchmark::State& state) {
    PersonFile::Get();
    const auto backups =
        std::filesystem::path(modAgeCalc::DatabasePath()).parent_path() / "backups";
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        std::filesystem::remove_all(backups, ec);
        state.ResumeTiming();
        std::string error;
        if (store::BackUpDatabase(modAgeCalc::DatabasePath(), "2026-12-07", error) !=
            store::BackupResult::Made)
            state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_DailyBackup)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
