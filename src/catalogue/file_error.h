#pragma once

#include <filesystem>
#include <string>

#include "catalogue/path_text.h"

namespace quantora {

// "<path>: <the system's reason for the last failure>".
std::string FileError(const std::filesystem::path& path);

}  // namespace quantora
