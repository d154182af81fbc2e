// A whole update of the seven files from a loopback server, putting "item.dat" in place with the
// user's hidden choices carried over for every unit, and the heap the update needs at its peak.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "app/data_paths.h"
#include "catalogue/record_file.h"
#include "catalogue/records.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/data_update.h"
#include "update/list_entry.h"
#include "update/visible_carry_over.h"

namespace {

namespace fs = std::filesystem;
using namespace quantora;

// The heap in use and its peak since the last reset, counted in every allocation of the process.
std::atomic<long long> heapInUse{0};
std::atomic<long long> heapPeak{0};

void Count(long long bytes) {
    const long long now = heapInUse += bytes;
    long long peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
}

class NoPrompts : public UserPrompts {
public:
    void Message(std::string_view, std::string_view) override {}
    Answer Question(std::string_view, std::string_view, Buttons) override { return Answer::No; }
    void Beep() override {}
};

class QuietView : public UpdateView {
public:
    void SetStatusText(std::string_view) override {}
    void SetProgress(int) override {}
};

std::vector<std::uint8_t> ListBytes(std::string_view version) {
    std::vector<std::uint8_t> bytes;
    for (const char* stem : {"cat", "item", "temp", "curr", "consts", "element"}) {
        ListEntry entry;
        (void)entry.name.Assign(stem, "name");
        (void)entry.version.Assign(version, "version");
        std::array<std::uint8_t, ListEntry::kSize> record{};
        entry.Encode(record);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

fs::path ShippedData() { return InstalledDataFolder(ExecutableFolder()); }

// The shipped files, every tenth unit and the first categories hidden, with an older list.
void InstallOldCopy(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(ShippedData()))
        fs::copy_file(entry.path(), folder / entry.path().filename());
    RecordFile<UnitRecord> units = ReadRecordFile<UnitRecord>(folder / "item.dat");
    for (std::size_t i = 0; i < units.records.size(); i += 10) units.records[i].visible = 0;
    (void)WriteRecordFile(folder / "item.dat", units.records);
    test::WriteBytes(folder / "list.dat", ListBytes("1"));
}

void BM_FullUpdateFromLoopback(benchmark::State& state) {
    test::UpdateServer server;
    if (!server.Running()) {
        state.SkipWithError("the loopback server did not start");
        return;
    }
    for (const char* stem : {"cat", "item", "temp", "curr", "consts", "element"}) {
        server.Serve(stem, test::ReadBytes(ShippedData() / (std::string(stem) + ".dat")));
    }
    server.Serve("list", ListBytes("2"));
    test::TempFolder folder;
    const fs::path data = folder / "data";
    NoPrompts prompts;
    QuietView view;
    long long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        InstallOldCopy(data);
        const long long before = heapInUse.load();
        heapPeak = before;
        state.ResumeTiming();
        const UpdateRunResult result = DataUpdate(data, server.Url(), prompts).Run(view);
        state.PauseTiming();
        peak = std::max(peak, heapPeak.load() - before);
        if (result.filesFetched != 6) state.SkipWithError("not every file was put in place");
        state.ResumeTiming();
    }
    state.counters["peak_heap_KiB"] = static_cast<double>(peak) / 1024;
    state.counters["largest_file_KiB"] = static_cast<double>(fs::file_size(ShippedData() / "item.dat")) / 1024;
}
BENCHMARK(BM_FullUpdateFromLoopback)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// "itemnew.dat" of the shipped units given the visible bytes of the installed file, and renamed over it.
void BM_ApplyItemFile(benchmark::State& state) {
    test::TempFolder folder;
    const fs::path data = folder / "data";
    InstallOldCopy(data);
    const std::vector<std::uint8_t> fetched = test::ReadBytes(ShippedData() / "item.dat");
    NoPrompts prompts;
    DataUpdate update(data, "http://127.0.0.1:1", prompts);
    for (auto _ : state) {
        state.PauseTiming();
        test::WriteBytes(data / "itemnew.dat", fetched);
        state.ResumeTiming();
        if (update.ApplyDataFile("item.zip")) state.SkipWithError("the file was not put in place");
    }
    state.counters["units"] = static_cast<double>(fetched.size() / UnitRecord::kSize);
}
BENCHMARK(BM_ApplyItemFile)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);

// The carrying over alone, in memory.
void BM_CarryVisibleOverUnits(benchmark::State& state) {
    const RecordFile<UnitRecord> installed = ReadRecordFile<UnitRecord>(ShippedData() / "item.dat");
    for (auto _ : state) {
        std::vector<UnitRecord> fetched = installed.records;
        CarryVisibleOver(installed.records, fetched);
        benchmark::DoNotOptimize(fetched.data());
    }
}
BENCHMARK(BM_CarryVisibleOverUnits)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

void* operator new(std::size_t size) {
    Count(static_cast<long long>(size));
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (block == nullptr) throw std::bad_alloc();
    *block = size;
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void operator delete(void* pointer) noexcept {
    if (pointer == nullptr) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
    Count(-static_cast<long long>(*block));
    std::free(block);
}

void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

BENCHMARK_MAIN();
