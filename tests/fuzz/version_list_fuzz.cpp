// Feeds arbitrary bytes to the version list reader as an installed "list.dat" copied from anywhere
// would give them. Nothing may crash or read out of bounds, every entry keeps all its bytes, and the
// version number the update compares is read from any text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/settings.h"
#include "catalogue/record_file.h"
#include "update/list_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quantora;
    const std::span<const std::uint8_t> bytes(data, size);
    const RecordFile<ListEntry> list = DecodeRecordFile<ListEntry>(bytes, "list.dat");
    if (list.records.size() != size / ListEntry::kSize) std::abort();
    std::array<std::uint8_t, ListEntry::kSize> again{};
    for (std::size_t i = 0; i < list.records.size(); ++i) {
        const ListEntry& entry = list.records[i];
        entry.Encode(again);
        if (!std::equal(again.begin(), again.end(),
                        bytes.begin() + static_cast<std::ptrdiff_t>(i * ListEntry::kSize))) {
            std::abort();
        }
        if (entry.name.Text().size() > 20 || entry.version.Text().size() > 8) std::abort();
        static_cast<void>(LeadingInteger(entry.version.Text()));
    }
    return 0;
}
