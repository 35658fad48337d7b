#pragma once
// The console report of a benchmark program, followed by closing lines that
// give each figure as a multiple of its floor, measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

struct Ratio {
    const char* what;  // the figure, in words
    std::string name;  // its benchmark
    const char* floor; // the floor, in words
    std::string floorName;
    double goal; // at most this multiple; 0: none, the figure is reported
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios)
        : ConsoleReporter(::isatty(::fileno(stdout)) ? OO_ColorTabular : OO_Tabular),
          ratios_(std::move(ratios)) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Ratio& r : ratios_) {
            const auto a = times_.find(r.name), b = times_.find(r.floorName);
            if (a == times_.end() || b == times_.end() || b->second <= 0) continue;
            std::printf("%s: %.2f x %s", r.what, a->second / b->second, r.floor);
            if (r.goal > 0) std::printf(" (goal at most %g x)", r.goal);
            std::printf("\n");
        }
    }

private:
    std::vector<Ratio> ratios_;
    std::map<std::string, double> times_;
};
