#pragma once

#include <string_view>

namespace quantora {

// Where a transfer reports what it is doing: the update window's status line, or stderr for the
// command line. The run is synchronous, so the window repaints at once and keeps its Close
// button alive through `StopRequested`, which the transfer asks between reads.
class StatusWindow {
public:
    virtual ~StatusWindow() = default;
    virtual void SetStatusText(std::string_view text) = 0;
    virtual bool StopRequested() { return false; }
};

}  // namespace quantora
