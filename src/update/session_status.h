#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// The connection events of an internet session, numbered as the platform's status codes.
namespace internet_status {
inline constexpr int kResolvingName = 10;
inline constexpr int kNameResolved = 11;
inline constexpr int kConnectingToServer = 20;
inline constexpr int kConnectedToServer = 21;
inline constexpr int kSendingRequest = 30;
inline constexpr int kRequestSent = 31;
inline constexpr int kReceivingResponse = 40;
inline constexpr int kResponseReceived = 41;
inline constexpr int kClosingConnection = 50;
inline constexpr int kConnectionClosed = 51;
inline constexpr int kHandleCreated = 60;
inline constexpr int kHandleClosing = 70;
inline constexpr int kRequestComplete = 100;
}  // namespace internet_status

// The completion record of a request: its result and error values.
struct RequestCompletion {
    std::uint32_t result = 0;
    std::uint32_t error = 0;
};

// The status line text for one event; none when the event leaves the line as it is.
std::optional<std::string> SessionStatusText(int status, std::string_view host,
                                             const std::optional<RequestCompletion>& completion = std::nullopt);

// "Read %d bytes", or "Read %d bytes (%0.1f Kb/s)" once a whole second has passed.
std::string ReadProgressText(std::uint64_t totalBytes, std::int64_t wholeSecondsElapsed);

}  // namespace quantora
