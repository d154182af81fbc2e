// Feeds arbitrary bytes to the core profile store as a profile file found on disk would give them,
// then writes entries and opens the file again, as the command line does. Nothing may crash or read
// out of bounds, and whatever the file held, what is written is what the next reading finds.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ini_profile_store.h"

namespace {

using namespace quantora;

const std::vector<std::uint8_t> kBytes{0, 1, '\n', '"', '\\', 0xFF};
constexpr char kText[] = "a;b=\"c\"\\ d,\n\xC3\xA4";

// In memory where the system offers it: every write is flushed to the disk.
std::filesystem::path ProfileFile() {
    const std::filesystem::path folder =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    static const std::filesystem::path file = folder / ("ini_profile_fuzz." + std::to_string(::getpid()) + ".conf");
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = ProfileFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    {
        IniProfileStore store(file);
        for (const char* entry : {"Decimal", "First Cat", "Saved X", "Fx", "Min"}) {
            static_cast<void>(store.ReadText("Settings", entry, ""));
            static_cast<void>(store.ReadInt("Selection", entry, 0));
            static_cast<void>(store.ReadBinary("Positions", entry));
        }
        if (!store.WriteText("Settings", "Saved X", kText) || !store.WriteInt("Selection", "Length", -7) ||
            !store.WriteBinary("Positions", "Main", kBytes)) {
            return 0;  // a file too large for a profile is left alone
        }
    }
    const IniProfileStore again(file);
    if (again.ReadText("Settings", "Saved X", "") != kText) std::abort();
    if (again.ReadInt("Selection", "Length", 0) != -7) std::abort();
    if (again.ReadBinary("Positions", "Main") != kBytes) std::abort();
    return 0;
}
