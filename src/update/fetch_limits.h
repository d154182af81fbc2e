#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace quantora {

// What keeps a silent, slow or oversized answer from holding the program: the session gives up on
// a connection that does not open in time, on a transfer slower than the minimum speed over the
// whole window, on a body beyond the cap (the largest data file is far below it), and on a
// transfer still running at its deadline, which a server sending a few bytes a second would
// otherwise never reach.
struct FetchLimits {
    // A few seconds: the automatic start waits this long at most when there is no network.
    std::chrono::seconds connectTimeout{5};
    std::chrono::seconds lowSpeedWindow{30};
    long lowSpeedBytesPerSecond = 1;
    std::size_t maxBodyBytes = std::size_t{64} << 20;
    // The whole of one transfer; zero sets no deadline. The update gives each file its own from
    // `WholeFetchTime`.
    std::chrono::seconds wholeFetch{0};
    // The time a file of a given size is allowed: the base plus the size at the slowest speed
    // still called working.
    std::chrono::seconds wholeFetchBase{60};
    std::size_t wholeFetchBytesPerSecond = 2048;
    std::chrono::seconds WholeFetchTime(std::size_t expectedBytes) const {
        return wholeFetchBase + std::chrono::seconds(expectedBytes / wholeFetchBytesPerSecond);
    }
    // A certificate file trusted in place of the system's; empty trusts the system's alone.
    std::string extraCaFile;
};

}  // namespace quantora
