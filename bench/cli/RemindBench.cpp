// Times `marrowtide-cli remind` at 100,000 people, in-process and with the desktop's
// notification answered at once, against the plain read of the same table; prints the
// ratio at the end of the run (goal: within 1.5).
#include <benchmark/benchmark.h>

#include <sstream>

#include "Collector.h"
#include "PersonFiles.h"
#include "RawRead.h"
#include "cli/Cli.h"
#include "cli/Remind.h"

namespace {

constexpr int kPeople = 100000;
bench::PersonFiles* g_files = nullptr;

std::string Database() {
    static const std::string path = g_files->folderWith(kPeople) + "/Marrowtide.mdb";
    return path;
}

// Shows nothing and is dismissed at once: what is measured is the reminder's own work.
class InstantNotifier final : public platform::Notifier {
public:
    bool Show(const platform::Notification& notification) override {
        benchmark::DoNotOptimize(notification.lines.data());
        return true;
    }
    platform::NotificationAnswer WaitForAnswer(std::chrono::milliseconds) override {
        return platform::NotificationAnswer::Closed;
    }
};

void BM_RawRead(benchmark::State& state) {
    const std::string path = Database();
    for (auto _ : state) {
        std::vector<store::PersonRow> rows;
        std::string error;
        if (!store::ReadAllPersonsRaw(path, rows, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(rows.data());
    }
}

void BM_Remind(benchmark::State& state) {
    const std::vector<std::string> args{"--database", Database(), "remind", "--again"};
    InstantNotifier notifier;
    cli::RemindDesktop desktop{notifier, [](const std::vector<std::string>&) { return true; }};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::RunCli(args, out, err, &desktop) != 0) state.SkipWithError(err.str().c_str());
    }
}

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Remind)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    bench::PersonFiles files;
    g_files = &files;
    bench::Collector collector;
    collector.run(argc, argv);
    std::printf("\nremind at %d people:\n", kPeople);
    const double raw = collector.ms("BM_RawRead/min_time:2.000");
    bench::Verdict("remind / raw read of the table",
                   raw > 0 ? collector.ms("BM_Remind/min_time:2.000") / raw : 0, "x", 1.5);
    return 0;
}
