#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace quantora {

// What keeps a silent, slow or oversized answer from holding the program: the session gives up on
// a connection that does not open in time, on a transfer slower than the minimum speed over the
// whole window, and on a body beyond the cap (the largest data file is far below it).
struct FetchLimits {
    std::chrono::seconds connectTimeout{15};
    std::chrono::seconds lowSpeedWindow{30};
    long lowSpeedBytesPerSecond = 1;
    std::size_t maxBodyBytes = std::size_t{64} << 20;
    // A certificate file trusted in place of the system's; empty trusts the system's alone.
    std::string extraCaFile;
};

}  // namespace quantora
