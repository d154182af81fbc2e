#include "update/data_update.h"

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <utility>
#include <variant>

#include "app/settings.h"
#include "catalogue/file_error.h"
#include "catalogue/rates_stamp.h"
#include "catalogue/record_file.h"
#include "catalogue/safe_write.h"
#include "catalogue/unit_data_sets.h"
#include "update/fetched_file_check.h"
#include "update/file_operations.h"
#include "update/folder_lock.h"
#include "update/rates_rewrite.h"
#include "update/reference_rates.h"
#include "update/visible_carry_over.h"
#include "update/web_grab_client.h"

namespace quantora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kListStem = "list";
constexpr int kProgressStep = 20;
constexpr std::array<std::string_view, 6> kStems{"cat", "item", "temp", "curr", "consts", "element"};
// The daily reference file is about two kilobytes.
constexpr std::size_t kMaxRatesBytes = std::size_t{1} << 20;
constexpr std::size_t kExpectedRatesBytes = 4096;

void (*stepHook)(std::string_view) = nullptr;

void Step(std::string_view step) {
    if (stepHook != nullptr) stepHook(step);
}

std::string InstalledName(std::string_view stem) { return std::string(stem) + ".dat"; }
std::string FetchedName(std::string_view stem) { return std::string(stem) + "new.dat"; }

std::vector<ListEntry> DecodeList(const std::vector<std::uint8_t>& bytes) {
    std::vector<ListEntry> entries;
    for (std::size_t at = 0; at + ListEntry::kSize <= bytes.size(); at += ListEntry::kSize) {
        entries.push_back(ListEntry::Decode(std::span(bytes).subspan(at).first<ListEntry::kSize>()));
    }
    return entries;
}

// The entries of the installed list that name the program's files, or none when the list holds
// none: an empty or damaged list then counts every file as out of date, so the run repairs it.
std::optional<std::vector<ListEntry>> UsableList(const std::vector<ListEntry>& entries) {
    std::vector<ListEntry> usable;
    std::ranges::copy_if(entries, std::back_inserter(usable),
                         [](const ListEntry& entry) { return IsDataFileStem(entry.name.Text()); });
    if (usable.empty()) return std::nullopt;
    return usable;
}

std::size_t InstalledSize(const fs::path& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : static_cast<std::size_t>(size);
}

// What WriteFileAtomically leaves behind when a process ends between writing and renaming:
// "<file>.<16 hex digits>.tmp" for a file the update writes.
bool IsLeftover(const std::string& name) {
    static const std::regex kPattern("(list|cat|item|temp|curr|consts|element)(new)?\\.dat\\.[0-9a-f]{16}\\.tmp");
    return std::regex_match(name, kPattern);
}

const ListEntry* FindByName(const std::vector<ListEntry>& entries, const std::string& name) {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const ListEntry& entry) { return entry.name.Text() == name; });
    return found == entries.end() ? nullptr : &*found;
}

// Reads both files and writes the fetched records, given the installed records' `visible` bytes,
// over the installed file in one step; the fetched file is then done with. The error when a file
// cannot be read or written.
template <typename Record>
std::optional<std::string> CarryOverAndReplace(const fs::path& installed, const fs::path& fetched) {
    RecordFile<Record> old = ReadRecordFile<Record>(installed);
    if (!old.opened) return old.error;
    RecordFile<Record> fresh = ReadRecordFile<Record>(fetched);
    if (!fresh.opened) return fresh.error;
    CarryVisibleOver(std::span<const Record>(old.records), fresh.records);
    if (auto error = WriteRecordFile(installed, fresh.records)) return error;
    Step("replaced");
    std::error_code ignored;
    fs::remove(fetched, ignored);
    return std::nullopt;
}

}  // namespace

std::string UpdateRequestUrl(std::string_view server, std::string_view stem) {
    std::string url(server);
    if (!url.ends_with('/')) url += '/';
    return url + "update.aspx?file=" + std::string(stem) + ".zip";
}

bool IsDataFileStem(std::string_view name) { return std::ranges::find(kStems, name) != kStems.end(); }

void SetUpdateStepHook(void (*hook)(std::string_view step)) { stepHook = hook; }

DataUpdate::DataUpdate(fs::path dataFolder, std::string server, UserPrompts& prompts, FetchLimits limits)
    : dataFolder_(std::move(dataFolder)), server_(std::move(server)), prompts_(prompts), limits_(std::move(limits)) {}

UpdateRunResult DataUpdate::Finish(UpdateView& view, UpdateOutcome outcome, std::string_view text, int fetched) {
    lastText_ = text;
    view.SetStatusText(text);
    view.SetProgress(100);
    return {outcome, fetched > 0, fetched};
}

// The window's text for a failed run stays; the reason follows on the next line.
UpdateRunResult DataUpdate::Refuse(UpdateView& view, UpdateOutcome outcome, const std::string& reason, int fetched) {
    view.ReportFault(reason);
    return Finish(view, outcome, std::string(update_text::kFailed) + "\n" + reason, fetched);
}

UpdateRunResult DataUpdate::Run(UpdateView& view) {
    runError_.reset();
    stopped_ = false;
    unreachable_ = false;
    view.SetProgress(1);
    if (server_.empty() && ratesSource_.empty()) {
        return Finish(view, UpdateOutcome::kNoServer, update_text::kNoServer, 0);
    }
    const FolderLock lock(dataFolder_);
    if (lock.Status() == FolderLock::State::kBusy) {
        view.ReportFault(update_text::kBusy);
        return Finish(view, UpdateOutcome::kBusy, update_text::kBusy, 0);
    }
    if (lock.Status() == FolderLock::State::kFailed) {
        return Refuse(view, UpdateOutcome::kFailed, PathText(DataFile(kFolderLockName)) + ": " + lock.Reason(), 0);
    }
    return RunLocked(view);
}

UpdateRunResult DataUpdate::RunLocked(UpdateView& view) {
    RemoveLeftovers();
    UpdateRunResult files{UpdateOutcome::kUpToDate, false, 0};
    if (!server_.empty()) files = RunDataFiles(view);
    const bool filesEnded = files.outcome == UpdateOutcome::kStopped || files.outcome == UpdateOutcome::kRefused ||
                            files.outcome == UpdateOutcome::kListNotFound || runError_.has_value();
    if (ratesSource_.empty() || filesEnded || unreachable_) return files;
    return RunRates(view, files);
}

void DataUpdate::RemoveLeftovers() const {
    std::error_code error;
    for (fs::directory_iterator it(dataFolder_, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        std::error_code ignored;
        if (IsLeftover(path.filename().string()) && it->is_regular_file(ignored)) fs::remove(path, ignored);
    }
}

UpdateRunResult DataUpdate::RunDataFiles(UpdateView& view) {
    view.SetStatusText(update_text::kContacting);
    const fs::path listPath = DataFile(InstalledName(kListStem));
    RecordFile<ListEntry> oldList = ReadRecordFile<ListEntry>(listPath);
    if (!oldList.opened) return Finish(view, UpdateOutcome::kFailed, oldList.error, 0);
    const std::optional<std::vector<ListEntry>> usable = UsableList(oldList.records);
    view.SetProgress(5);

    std::vector<std::uint8_t> body;
    FetchLimits listLimits = limits_;
    listLimits.wholeFetch = limits_.WholeFetchTime(InstalledSize(listPath));
    WebGrabClient listClient(listLimits);
    const bool fetched = listClient.FetchUrl(UpdateRequestUrl(server_, kListStem), body, std::string(kAgent), &view);
    if (listClient.Stopped()) return Finish(view, UpdateOutcome::kStopped, update_text::kStopped, 0);
    if (fetched && ContainsNotFoundText(body)) {
        return Finish(view, UpdateOutcome::kListNotFound, update_text::kListNotFound, 0);
    }
    if (!fetched) {
        unreachable_ = !listClient.Answered();
        return Refuse(view, UpdateOutcome::kFailed, "list.dat: " + listClient.StatusText(), 0);
    }
    if (auto refusal = RefuseFetchedBody(InstalledName(kListStem), ListEntry::kSize, body)) {
        return Refuse(view, UpdateOutcome::kFailed, *refusal, 0);
    }
    if (auto error = WriteFileAtomically(DataFile(FetchedName(kListStem)), body)) {
        return Finish(view, UpdateOutcome::kFailed, *error, 0);
    }
    Step("list fetched");
    const std::vector<ListEntry> newList = DecodeList(body);
    view.SetProgress(25);

    // Every body is had and judged before the first file is replaced, so that a login page or a
    // damaged file changes nothing at all.
    std::map<std::string, std::vector<std::uint8_t>> bodies;
    std::vector<std::string> order;
    int progress = 25;
    for (const ListEntry& entry : newList) {
        const std::string name = entry.name.Text();
        if (!IsDataFileStem(name)) continue;
        if (usable) {
            const ListEntry* old = FindByName(*usable, name);
            if (old == nullptr || LeadingInteger(old->version.Text()) == LeadingInteger(entry.version.Text())) continue;
        }
        if (!bodies.contains(name)) {
            if (auto fetchedBody = FetchDataFile(name, view)) {
                bodies.emplace(name, std::move(*fetchedBody));
                order.push_back(name);
            }
        }
        progress = std::min(100, progress + kProgressStep);
        view.SetProgress(progress);
        if (stopped_) break;
    }
    if (auto refusal = RefuseFetchedData(dataFolder_, bodies)) {
        return Refuse(view, UpdateOutcome::kRefused, *refusal, 0);
    }

    // The installed list learns the server's version of a file only once that file is in place.
    std::vector<ListEntry> installedList = usable.value_or(std::vector<ListEntry>{});
    int count = 0;
    for (const std::string& name : order) {
        if (auto error = PutInPlace(name, bodies.at(name))) {
            runError_ = error;
            break;
        }
        ++count;
        const ListEntry* served = FindByName(newList, name);
        ListEntry* installed = nullptr;
        for (ListEntry& entry : installedList) {
            if (entry.name.Text() == name) installed = &entry;
        }
        if (installed != nullptr) {
            for (ListEntry& entry : installedList) {
                if (entry.name.Text() == name) entry.version = served->version;
            }
        } else {
            installedList.push_back(*served);
        }
    }

    if (count > 0) {
        if (auto error = WriteRecordFile(listPath, installedList)) runError_ = error;
        std::error_code ignored;
        fs::remove(DataFile(FetchedName(kListStem)), ignored);
        Step("list written");
    }
    if (runError_) return Finish(view, UpdateOutcome::kFailed, *runError_, count);
    if (stopped_) return Finish(view, UpdateOutcome::kStopped, update_text::kStopped, count);
    if (count > 0) return Finish(view, UpdateOutcome::kCompleted, update_text::kCompleted, count);
    return Finish(view, UpdateOutcome::kUpToDate, update_text::kUpToDate, 0);
}

std::optional<std::vector<std::uint8_t>> DataUpdate::FetchDataFile(std::string_view stem, UpdateView& view) {
    view.SetStatusText(update_text::kDownloading);
    FetchLimits limits = limits_;
    limits.wholeFetch = limits_.WholeFetchTime(InstalledSize(DataFile(InstalledName(stem))));
    WebGrabClient client(limits);
    std::vector<std::uint8_t> body;
    const bool fetched = client.FetchUrl(UpdateRequestUrl(server_, stem), body, std::string(kAgent), &view);
    stopped_ = client.Stopped();
    if (!fetched) {
        if (!stopped_) view.ReportFault(InstalledName(stem) + ": " + client.StatusText());
        return std::nullopt;
    }
    client.Close();
    if (ContainsNotFoundText(body)) return std::nullopt;
    return body;
}

std::optional<std::string> DataUpdate::PutInPlace(std::string_view stem, const std::vector<std::uint8_t>& body) {
    if (auto error = WriteFileAtomically(DataFile(FetchedName(stem)), body)) return error;
    Step("file fetched");
    return ApplyDataFile(std::string(stem) + ".zip");
}

UpdateRunResult DataUpdate::RunRates(UpdateView& view, UpdateRunResult files) {
    const std::string filesText = server_.empty() ? std::string(update_text::kNoServerForFiles) : lastText_;
    view.SetStatusText(update_text::kRatesFetching);
    FetchLimits limits = limits_;
    limits.maxBodyBytes = kMaxRatesBytes;
    limits.wholeFetch = limits_.WholeFetchTime(kExpectedRatesBytes);
    WebGrabClient client(limits);
    std::vector<std::uint8_t> body;
    const bool fetched = client.FetchUrl(ratesSource_, body, std::string(kAgent), &view);
    if (client.Stopped()) return Finish(view, UpdateOutcome::kStopped, update_text::kStopped, files.filesFetched);
    const std::string fetchText = client.StatusText();
    client.Close();
    auto fail = [&](const std::string& reason) {
        const std::string text = "Exchange rates not updated: " + reason;
        view.ReportFault(text);
        return Finish(view, UpdateOutcome::kFailed, text + "\n" + filesText, files.filesFetched);
    };
    if (!fetched) return fail(fetchText.empty() ? "the rates source could not be had" : fetchText);
    const auto read = ReadReferenceRates(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
    if (const auto* fault = std::get_if<std::string>(&read)) return fail(*fault);
    const ReferenceRates& rates = std::get<ReferenceRates>(read);

    RecordFile<CurrencyRecord> installed = ReadRecordFile<CurrencyRecord>(DataFile(data_file::kCurrencies));
    RecordFile<UnitRecord> units = ReadRecordFile<UnitRecord>(DataFile(data_file::kUnits));
    if (!installed.opened) return fail(installed.error);
    if (!units.opened) return fail(units.error);
    const auto rewrite =
        RewriteRates(installed.records, units.records, rates, rates.sender.empty() ? ratesSource_ : rates.sender);
    if (const auto* fault = std::get_if<std::string>(&rewrite)) return fail(*fault);
    const RatesRewrite& rewritten = std::get<RatesRewrite>(rewrite);
    if (auto error = WriteRecordFile(DataFile(data_file::kCurrencies), rewritten.records)) return fail(*error);
    Step("rates written");
    const std::string text = "Exchange rates updated: " + RatesStampText(FindRatesStamp(rewritten.records)) + " (" +
                             std::to_string(rewritten.ofTheDay) + " of the day, " + std::to_string(rewritten.older) +
                             " older)";
    const UpdateOutcome outcome =
        files.outcome == UpdateOutcome::kFailed ? UpdateOutcome::kFailed : UpdateOutcome::kCompleted;
    view.SetStatusText(text + "\n" + filesText);
    view.SetProgress(100);
    return {outcome, true, files.filesFetched};
}

std::optional<std::string> DataUpdate::ApplyDataFile(std::string_view name) {
    static constexpr std::string_view kSuffix = ".zip";
    if (!name.ends_with(kSuffix)) return std::nullopt;
    const std::string_view stem = name.substr(0, name.size() - kSuffix.size());
    if (!IsDataFileStem(stem)) return std::nullopt;
    const fs::path installed = DataFile(InstalledName(stem));
    const fs::path fetched = DataFile(FetchedName(stem));
    if (stem == "cat") return CarryOverAndReplace<CategoryRecord>(installed, fetched);
    if (stem == "item") return CarryOverAndReplace<UnitRecord>(installed, fetched);
    FileOperations files(prompts_);
    if (!files.Replace(fetched, installed)) return PathText(installed) + ": " + files.ErrorText();
    Step("replaced");
    return std::nullopt;
}

}  // namespace quantora
