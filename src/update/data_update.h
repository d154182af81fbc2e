#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/user_prompts.h"
#include "update/fetch_limits.h"
#include "update/list_entry.h"
#include "update/update_view.h"

namespace quantora {

// The status line texts of a run.
namespace update_text {
inline constexpr std::string_view kContacting = "Contacting update server...";
inline constexpr std::string_view kDownloading = "Downloading...";
inline constexpr std::string_view kCompleted = "All files updates have completed";
inline constexpr std::string_view kUpToDate = "All data files are currently up to date";
inline constexpr std::string_view kFailed = "Update Failed , Pls. try again";
inline constexpr std::string_view kListNotFound = "Update aborted: the server has no version list";
inline constexpr std::string_view kStopped = "Update stopped; the files fetched so far are in place";
inline constexpr std::string_view kNoServer =
    "No update server is set. See the help page \"update.htm\" for how to name one.";
inline constexpr std::string_view kNoServerForFiles = "No update server is set for the other data files.";
inline constexpr std::string_view kBusy = "Another update of this data folder is running; nothing was changed";
inline constexpr std::string_view kRatesFetching = "Fetching the exchange rates...";
}  // namespace update_text

enum class UpdateOutcome {
    kCompleted,     // at least one data file was put in place
    kUpToDate,      // nothing was fetched
    kFailed,        // the list could not be had, or a file error ended the run
    kListNotFound,  // the server does not know the list: the window allows no second run
    kStopped,       // the user closed the window during the run
    kNoServer,      // no server address and no rates source is set: nobody was contacted
    kRefused,       // a fetched file is not a data file of its kind: nothing was replaced
    kBusy,          // another run holds the data folder: nothing was touched
};

struct UpdateRunResult {
    UpdateOutcome outcome = UpdateOutcome::kFailed;
    bool dataChanged = false;
    int filesFetched = 0;
};

// The request for one file: <server>/update.aspx?file=<stem>.zip.
std::string UpdateRequestUrl(std::string_view server, std::string_view stem);

// Brings the data files of a folder up to date from a server. Each file is fetched beside the
// installed one, checked, given the user's show and hide choices, and renamed over it; the version
// list then records the server's version of exactly the files that were put in place.
class DataUpdate {
public:
    static constexpr std::string_view kAgent = "WebGrab demo";

    DataUpdate(std::filesystem::path dataFolder, std::string server, UserPrompts& prompts, FetchLimits limits = {});

    // The address of a file in the European Central Bank's daily reference format, fetched after
    // the data files; empty fetches no rates.
    void SetRatesSource(std::string url) { ratesSource_ = std::move(url); }

    UpdateRunResult Run(UpdateView& view);

    // Puts "<stem>new.dat" in place of "<stem>.dat" for the name "<stem>.zip"; the error that
    // ends the run, if any.
    std::optional<std::string> ApplyDataFile(std::string_view name);

private:
    UpdateRunResult RunLocked(UpdateView& view);
    UpdateRunResult RunDataFiles(UpdateView& view);
    UpdateRunResult RunRates(UpdateView& view, UpdateRunResult files);
    // The body of "<stem>.zip", or none when the fetch failed or the server does not have it.
    std::optional<std::vector<std::uint8_t>> FetchDataFile(std::string_view stem, UpdateView& view);
    std::optional<std::string> PutInPlace(std::string_view stem, const std::vector<std::uint8_t>& body);
    void RemoveLeftovers() const;
    UpdateRunResult Finish(UpdateView& view, UpdateOutcome outcome, std::string_view text, int fetched);
    UpdateRunResult Refuse(UpdateView& view, UpdateOutcome outcome, const std::string& reason, int fetched);
    std::filesystem::path DataFile(std::string_view name) const { return dataFolder_ / std::string(name); }

    std::filesystem::path dataFolder_;
    std::string server_;
    std::string ratesSource_;
    UserPrompts& prompts_;
    FetchLimits limits_;
    std::optional<std::string> runError_;
    bool stopped_ = false;
    // The data server could not be reached at all; the rates fetch then does not wait again.
    bool unreachable_ = false;
    std::string lastText_;
};

// Whether `name` is a stem of the program's own data files, the only names the update takes from a
// version list: anything else would be a path of the server's or a damaged list's choosing.
bool IsDataFileStem(std::string_view name);

// Called at each step after which a file on disk changed; tests stop a process there to prove
// that every moment leaves a loadable data folder. The program sets nothing.
void SetUpdateStepHook(void (*hook)(std::string_view step));

}  // namespace quantora
