#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

// Prints the runs as usual and keeps each run's mean real time and CPU time (in
// milliseconds) for a summary of ratios measured in the same run. Work done on the
// calling thread alone is best compared in CPU time on a machine shared with others.
class Collector final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    // Runs the benchmarks the command line asks for, reporting through this collector.
    void run(int& argc, char** argv) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks(this);
    }
    double ms(const std::string& name) const { return find(times, name); }
    double cpuMs(const std::string& name) const { return find(cpuTimes, name); }
    std::map<std::string, double> times;
    std::map<std::string, double> cpuTimes;

private:
    static double find(const std::map<std::string, double>& in, const std::string& name) {
        const auto found = in.find(name);
        return found == in.end() ? 0.0 : found->second;
    }
};

// One line of the summary: a figure against its goal.
inline void Verdict(const char* what, double value, const char* unit, double goal) {
    std::printf("  %-44s %9.2f %-6s goal < %-7.1f %s\n", what, value, unit, goal,
                value > 0 && value < goal ? "met" : "NOT MET");
}

}  // namespace bench
