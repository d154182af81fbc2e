#pragma once

#include <optional>

namespace quantora {

// The ten seconds the update window waits before an automatic run. The count is never reset, so
// it runs down at most once in a process however often the window opens.
class DownloadCountdown {
public:
    bool Finished() const { return value_ <= 0; }
    // The value the Download button shows at this tick (10 down to 1); none once it has run down.
    std::optional<int> Tick() {
        if (Finished()) return std::nullopt;
        return value_--;
    }

private:
    int value_ = 10;
};

// The countdown of this process.
DownloadCountdown& ProcessDownloadCountdown();

}  // namespace quantora
