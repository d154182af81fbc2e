#pragma once

#include "update/status_window.h"

namespace quantora {

// What an update run shows as it goes: the status line of the session and a progress bar that
// runs from 1 to 100.
class UpdateView : public StatusWindow {
public:
    virtual void SetProgress(int percent) = 0;
};

}  // namespace quantora
