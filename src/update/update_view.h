#pragma once

#include <string_view>

#include "update/status_window.h"

namespace quantora {

// What an update run shows as it goes: the status line of the session and a progress bar that
// runs from 1 to 100.
class UpdateView : public StatusWindow {
public:
    virtual void SetProgress(int percent) = 0;
    // Why the run refused a file or could not start; besides the status line it goes to stderr,
    // where a log keeps it.
    virtual void ReportFault(std::string_view reason);
};

}  // namespace quantora
