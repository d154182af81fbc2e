// One-shot evaluation of typical unit and calculator formulas: our evaluator against muparser,
// each handed a new text every time. Prints both times and the ratio per formula.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "calc/formula_parser.h"

namespace {

struct Formula {
    const char* ours;
    // muparser reads angles in radians; the text is the same, so it does the same work.
    const char* theirs;
};

const Formula kFormulas[] = {
    {"5*0.3048", "5*0.3048"},
    {"1*1000", "1*1000"},
    {"2.5*10^3*0.45359237", "2.5*10^3*0.45359237"},
    {"(x-32)/1.8", "(x-32)/1.8"},
    {"sin(30)+cos(60)*2", "sin(30)+cos(60)*2"},
    {"sqrt(2)^2+ln(10)", "sqrt(2)^2+ln(10)"},
    {"_c*_h/(_K_B*300)", "_c*_h/(_K_B*300)"},
};

void Ours(benchmark::State& state, const std::string& text) {
    quantora::FormulaParser parser;
    std::string error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Evaluate(text, 98.6, error, 1));
    }
    if (!error.empty()) state.SkipWithError(error.c_str());
}

void Theirs(benchmark::State& state, const std::string& text) {
    mu::Parser parser;
    double x = 98.6;
    parser.DefineVar("x", &x);
    parser.DefineConst("_c", 299792458);
    parser.DefineConst("_h", 6.6260755e-34);
    parser.DefineConst("_K_B", 1.380658e-23);
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
}

// Keeps every run's time so the comparison can be printed once both sides have run.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With --benchmark_repetitions the median stands for the formula; single runs stand alone.
        for (const Run& run : runs) {
            if (run.aggregate_name.empty() || run.aggregate_name == "median") {
                nanoseconds_[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintComparison() const {
        std::printf("\n%-22s %12s %12s %8s\n", "formula", "ours ns", "muparser ns", "ratio");
        for (const Formula& formula : kFormulas) {
            const double ours = Time("ours/", formula.ours);
            const double theirs = Time("muparser/", formula.ours);
            std::printf("%-22s %12.1f %12.1f %7.2fx\n", formula.ours, ours, theirs, theirs / ours);
        }
    }

private:
    double Time(const char* side, const char* formula) const {
        const auto found = nanoseconds_.find(std::string(side) + formula);
        return found == nanoseconds_.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const Formula& formula : kFormulas) {
        benchmark::RegisterBenchmark((std::string("ours/") + formula.ours).c_str(), Ours, std::string(formula.ours));
        benchmark::RegisterBenchmark((std::string("muparser/") + formula.ours).c_str(), Theirs,
                                     std::string(formula.theirs));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintComparison();
    benchmark::Shutdown();
    return 0;
}
