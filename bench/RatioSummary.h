#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Shows the usual table while the benchmarks run, keeps each figure, and
// afterwards prints program time, baseline time and their ratio for every
// operation. Benchmarks are named "<operation>/program" and
// "<operation>/baseline".
class RatioSummary : public benchmark::ConsoleReporter {
public:
    RatioSummary(double goal, OutputOptions options) : ConsoleReporter(options), m_goal(goal) {}
    void ReportRuns(const std::vector<Run> &runs) override;

    // Prints the summary; returns the number of operations over the goal.
    int print() const;

private:
    struct Figures {
        double program = -1;
        double baseline = -1;
        std::string unit;
    };
    double m_goal;
    std::vector<std::string> m_order;
    std::map<std::string, Figures> m_figures;
};
