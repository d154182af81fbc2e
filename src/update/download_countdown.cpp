#include "update/download_countdown.h"

namespace quantora {

DownloadCountdown& ProcessDownloadCountdown() {
    static DownloadCountdown countdown;
    return countdown;
}

}  // namespace quantora
