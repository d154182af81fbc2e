#include "update/data_update.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/settings.h"
#include "catalogue/file_error.h"
#include "catalogue/record_file.h"
#include "catalogue/safe_write.h"
#include "update/fetched_file_check.h"
#include "update/file_operations.h"
#include "update/visible_carry_over.h"
#include "update/web_grab_client.h"

namespace quantora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kListStem = "list";
constexpr int kProgressStep = 20;

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

void SetUpdateStepHook(void (*hook)(std::string_view step)) { stepHook = hook; }

DataUpdate::DataUpdate(fs::path dataFolder, std::string server, UserPrompts& prompts, FetchLimits limits)
    : dataFolder_(std::move(dataFolder)), server_(std::move(server)), prompts_(prompts), limits_(std::move(limits)) {}

UpdateRunResult DataUpdate::Finish(UpdateView& view, UpdateOutcome outcome, std::string_view text, int fetched) {
    view.SetStatusText(text);
    view.SetProgress(100);
    return {outcome, fetched > 0, fetched};
}

UpdateRunResult DataUpdate::Run(UpdateView& view) {
    runError_.reset();
    stopped_ = false;
    view.SetProgress(1);
    if (server_.empty()) return Finish(view, UpdateOutcome::kNoServer, update_text::kNoServer, 0);
    view.SetStatusText(update_text::kContacting);
    const fs::path listPath = DataFile(InstalledName(kListStem));
    RecordFile<ListEntry> oldList = ReadRecordFile<ListEntry>(listPath);
    if (!oldList.opened) return Finish(view, UpdateOutcome::kFailed, oldList.error, 0);
    view.SetProgress(5);

    WebGrabClient listClient(limits_);
    std::vector<std::uint8_t> body;
    const bool fetched = listClient.FetchUrl(UpdateRequestUrl(server_, kListStem), body, std::string(kAgent), &view);
    if (listClient.Stopped()) return Finish(view, UpdateOutcome::kStopped, update_text::kStopped, 0);
    if (fetched && ContainsNotFoundText(body)) {
        return Finish(view, UpdateOutcome::kListNotFound, update_text::kListNotFound, 0);
    }
    if (!fetched || RefuseFetchedBody(InstalledName(kListStem), ListEntry::kSize, body)) {
        return Finish(view, UpdateOutcome::kFailed, update_text::kFailed, 0);
    }
    if (auto error = WriteFileAtomically(DataFile(FetchedName(kListStem)), body)) {
        return Finish(view, UpdateOutcome::kFailed, *error, 0);
    }
    Step("list fetched");
    const std::vector<ListEntry> newList = DecodeList(body);
    view.SetProgress(25);

    // The installed list learns the server's version of a file only once that file is in place.
    std::vector<ListEntry> installedList = oldList.records;
    int count = 0;
    int progress = 25;
    for (const ListEntry& entry : newList) {
        const std::string name = entry.name.Text();
        const ListEntry* old = FindByName(oldList.records, name);
        if (old == nullptr || LeadingInteger(old->version.Text()) == LeadingInteger(entry.version.Text())) continue;
        if (DownloadDataFile(name, view)) {
            ++count;
            for (ListEntry& installed : installedList) {
                if (installed.name.Text() == name) installed.version = entry.version;
            }
        }
        progress = std::min(100, progress + kProgressStep);
        view.SetProgress(progress);
        if (runError_ || stopped_) break;
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

bool DataUpdate::DownloadDataFile(std::string_view stem, UpdateView& view) {
    const fs::path target = DataFile(FetchedName(stem));
    view.SetStatusText(update_text::kDownloading);
    WebGrabClient client(limits_);
    std::vector<std::uint8_t> body;
    const bool fetched = client.FetchUrl(UpdateRequestUrl(server_, stem), body, std::string(kAgent), &view);
    stopped_ = client.Stopped();
    if (!fetched) return false;
    if (ContainsNotFoundText(body)) {
        client.Close();
        return false;
    }
    client.Close();
    if (const std::optional<std::size_t> recordSize = RecordSizeOfStem(stem)) {
        if (auto refusal = RefuseFetchedBody(InstalledName(stem), *recordSize, body)) {
            view.SetStatusText(*refusal);
            return false;
        }
    }
    if (auto error = WriteFileAtomically(target, body)) {
        runError_ = error;
        return false;
    }
    Step("file fetched");
    if (auto error = ApplyDataFile(std::string(stem) + ".zip")) {
        runError_ = error;
        return false;
    }
    return true;
}

std::optional<std::string> DataUpdate::ApplyDataFile(std::string_view name) {
    static constexpr std::string_view kSuffix = ".zip";
    static constexpr std::array<std::string_view, 6> kStems{"cat", "item", "temp", "curr", "consts", "element"};
    if (!name.ends_with(kSuffix)) return std::nullopt;
    const std::string_view stem = name.substr(0, name.size() - kSuffix.size());
    if (std::find(kStems.begin(), kStems.end(), stem) == kStems.end()) return std::nullopt;
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
