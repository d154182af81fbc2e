// Loading a catalogue of 2,000 unit records in 100 categories, and what the loaded catalogue holds.
#include <benchmark/benchmark.h>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "catalogue/catalogue.h"
#include "catalogue/record_file.h"

namespace {

using namespace quantora;

std::string Numbered(std::string text, int number) {
    text += std::to_string(number);
    return text;
}

// Bytes the process has allocated and not yet freed.
long long HeapInUse() {
#ifdef __GLIBC__
    return static_cast<long long>(mallinfo2().uordblks);
#else
    return 0;
#endif
}

constexpr int kCategories = 100;
constexpr int kUnitsPerCategory = 20;

std::filesystem::path MakeDataFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "quantora-catalogue-bench";
    std::filesystem::create_directories(folder);
    std::vector<CategoryRecord> categories;
    std::vector<UnitRecord> units;
    for (int c = 0; c < kCategories; ++c) {
        CategoryRecord category;
        category.categoryId = c;
        (void)category.name.Assign(Numbered("Category ", (c * 37) % kCategories), "name");
        categories.push_back(category);
        for (int u = 0; u < kUnitsPerCategory; ++u) {
            UnitRecord unit;
            unit.categoryId = c;
            unit.unitId = 101 + u;
            (void)unit.name.Assign(Numbered("Unit ", (u * 7919) % 1000), "name");
            (void)unit.conversionText.Assign(Numbered("*", u + 1), "conversion");
            unit.common = static_cast<std::uint8_t>(u % 2);
            units.push_back(unit);
        }
    }
    (void)WriteRecordFile(folder / "cat.dat", categories);
    (void)WriteRecordFile(folder / "item.dat", units);
    (void)WriteRecordFile(folder / "temp.dat", std::vector<TemperatureRecord>(64));
    (void)WriteRecordFile(folder / "curr.dat", std::vector<CurrencyRecord>(50));
    return folder;
}

void BM_LoadCatalogue(benchmark::State& state) {
    const auto folder = MakeDataFolder();
    Catalogue catalogue;
    for (auto _ : state) {
        catalogue.Load(folder, false);
        benchmark::DoNotOptimize(catalogue.CategoryCount());
    }
    const double records = kCategories + kCategories * kUnitsPerCategory + 64 + 50;
    state.counters["records/s"] = benchmark::Counter(records, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

void ReportFootprint() {
    const auto folder = MakeDataFolder();
    const long long before = HeapInUse();
    auto catalogue = std::make_unique<Catalogue>();
    catalogue->Load(folder, false);
    const long long after = HeapInUse();
    std::printf("Loaded catalogue of %d units in %d categories: %.2f MB on the heap\n", kCategories * kUnitsPerCategory,
                kCategories, static_cast<double>(after - before) / (1024.0 * 1024.0));
}

}  // namespace

int main(int argc, char** argv) {
    ReportFootprint();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
