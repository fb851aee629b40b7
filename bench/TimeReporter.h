#pragma once
// The console reporter of the benchmark programs, which also keeps each benchmark's time by name, so that a
// program can print the ratios of benchmarks measured in the same run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The times of this run's benchmarks, by name.
inline std::map<std::string, double>& Times() {
    static std::map<std::string, double> t;
    return t;
}

class TimeReporter : public benchmark::ConsoleReporter {
public:
    enum class Clock { Real, Cpu };
    explicit TimeReporter(Clock clock = Clock::Real) : m_clock(clock) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                Times()[r.run_name.function_name] =
                    m_clock == Clock::Real ? r.GetAdjustedRealTime() : r.GetAdjustedCPUTime();
    }

private:
    Clock m_clock;
};
