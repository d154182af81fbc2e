#include "update/session_status.h"

#include <cstdio>

namespace quantora {

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

std::optional<std::string> SessionStatusText(int status, std::string_view host,
                                             const std::optional<RequestCompletion>& completion) {
    namespace is = internet_status;
    const std::string hostText(host);
    switch (status) {
        case is::kResolvingName: return Format("Resolving name for %s", hostText.c_str());
        case is::kNameResolved: return Format("Resolved name for %s", hostText.c_str());
        case is::kConnectingToServer: return std::string("Connecting to socket address ");
        case is::kConnectedToServer: return std::string("Connected to socket address");
        case is::kSendingRequest: return std::string("Sending request...");
        case is::kRequestSent: return std::string("Request sent");
        case is::kReceivingResponse: return std::nullopt;
        case is::kResponseReceived: return std::string("Response received");
        case is::kClosingConnection: return std::string("Closing the connection to the server");
        case is::kConnectionClosed: return std::string("Connection to the server closed");
        case is::kHandleCreated: return std::string();
        case is::kHandleClosing: return std::nullopt;
        case is::kRequestComplete:
            if (!completion) return std::string("Request complete");
            return Format("Request complete, dwResult = %8.8X, dwError = %8.8X", completion->result, completion->error);
        default: return Format("Unknown status: %d", status);
    }
}

std::string ReadProgressText(std::uint64_t totalBytes, std::int64_t wholeSecondsElapsed) {
    const auto total = static_cast<int>(totalBytes);
    if (wholeSecondsElapsed <= 0) return Format("Read %d bytes", total);
    const double rate = static_cast<double>(totalBytes) / 1024.0 / static_cast<double>(wholeSecondsElapsed);
    return Format("Read %d bytes (%0.1f Kb/s)", total, rate);
}

}  // namespace quantora
