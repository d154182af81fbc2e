// Systems other than Windows have no Windows version: every field stays 0, so the code is 0.
#include "ui/os_version.h"

namespace quantora {

OsVersionInfo ReadPlatformVersion() { return {}; }

}  // namespace quantora
