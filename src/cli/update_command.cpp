#include "cli/update_command.h"

#include <cstdio>
#include <string>

#include "app/settings.h"
#include "update/data_update.h"

namespace quantora {

namespace {

// Prints each new status text and each progress step on a line of its own; the running byte
// counts would flood a log, so only the last of them before another text is kept.
class StderrUpdateView : public UpdateView {
public:
    void SetStatusText(std::string_view text) override {
        if (text.starts_with("Read ")) {
            pendingRead_ = text;
            return;
        }
        FlushRead();
        if (text.empty() || text == last_) return;
        last_ = text;
        Print(std::string(text));
    }
    void SetProgress(int percent) override {
        FlushRead();
        Print("[" + std::to_string(percent) + "%]");
    }
    // The status line, printed above, already carries the reason.
    void ReportFault(std::string_view) override {}
    ~StderrUpdateView() override { FlushRead(); }

private:
    void FlushRead() {
        if (pendingRead_.empty()) return;
        Print(pendingRead_);
        pendingRead_.clear();
    }
    static void Print(const std::string& line) {
        std::fputs(line.c_str(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }

    std::string last_;
    std::string pendingRead_;
};

// Nobody is there to answer: a read-only data file is kept as it is, and the run says so.
class NoAnswerPrompts : public UserPrompts {
public:
    void Message(std::string_view text, std::string_view) override {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    Answer Question(std::string_view text, std::string_view, Buttons) override {
        std::fprintf(stderr, "%.*s No\n", static_cast<int>(text.size()), text.data());
        return Answer::No;
    }
    void Beep() override {}
};

int ExitCodeOf(UpdateOutcome outcome) {
    switch (outcome) {
        case UpdateOutcome::kCompleted: return cli_exit::kSuccess;
        case UpdateOutcome::kUpToDate: return cli_exit::kUpToDate;
        default: return cli_exit::kUpdateFailed;
    }
}

}  // namespace

CliOutcome RunUpdateCommand(const CliArguments& arguments, const CliEnvironment& environment) {
    const std::string server = arguments.server.value_or(ReadSetting(environment.profile, Setting::kUpdateServer));
    FetchLimits limits;
    limits.extraCaFile = ReadSetting(environment.profile, Setting::kUpdateCertificate);
    NoAnswerPrompts prompts;
    const std::filesystem::path dataFolder =
        arguments.dataFolder ? std::filesystem::path(*arguments.dataFolder) : environment.dataFolder;
    DataUpdate update(dataFolder, server, prompts, limits);
    update.SetRatesSource(arguments.ratesUrl.value_or(ReadSetting(environment.profile, Setting::kRatesSource)));
    UpdateRunResult result;
    {
        StderrUpdateView view;
        result = update.Run(view);
    }
    return {ExitCodeOf(result.outcome), "", ""};
}

}  // namespace quantora
