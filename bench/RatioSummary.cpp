#include "RatioSummary.h"

#include <cstdio>

void RatioSummary::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        // With repetitions the median stands for the operation; a single run
        // stands for itself.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
            continue;
        const std::string name = run.run_name.function_name;
        const auto slash = name.rfind('/');
        if (slash == std::string::npos)
            continue;
        const std::string operation = name.substr(0, slash);
        const std::string side = name.substr(slash + 1);
        if (!m_figures.count(operation))
            m_order.push_back(operation);
        Figures &figures = m_figures[operation];
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        double &slot = side == "program" ? figures.program : figures.baseline;
        // A median, once there, wins over the single repetitions before it.
        if (aggregate || run.repetitions <= 1 || slot < 0)
            slot = run.GetAdjustedRealTime();
        figures.unit = benchmark::GetTimeUnitString(run.time_unit);
    }
}

int RatioSummary::print() const
{
    int over = 0;
    std::printf("\n%-24s %14s %14s %8s\n", "operation", "program", "baseline", "ratio");
    for (const std::string &operation : m_order) {
        const Figures &f = m_figures.at(operation);
        if (f.program < 0 || f.baseline <= 0) {
            std::printf("%-24s %14s\n", operation.c_str(), "(incomplete)");
            continue;
        }
        const double ratio = f.program / f.baseline;
        const bool ok = ratio <= m_goal;
        over += ok ? 0 : 1;
        std::printf("%-24s %11.1f %-2s %11.1f %-2s %7.2fx %s\n", operation.c_str(), f.program, f.unit.c_str(),
                    f.baseline, f.unit.c_str(), ratio, ok ? "" : "over the goal");
    }
    std::printf("goal: every operation within %.1fx its baseline (real time per operation)\n", m_goal);
    return over;
}
