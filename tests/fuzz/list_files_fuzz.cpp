// Feeds arbitrary bytes to the constants and elements lists as copied data files would give them:
// the first two bytes are the length of "consts.dat" (little-endian), the rest after it is
// "element.dat". Both go through the record decoding, the sorted table and the filter the windows
// and `quantora-cli constants` / `elements` use. Nothing may crash or read out of bounds, sorting
// keeps every record, and a row the filter gives is a row of the table.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "catalogue/record_file.h"
#include "lists/list_filter.h"
#include "lists/list_table.h"

namespace {

using namespace quantora;

template <typename Record>
RecordFile<Record> Table(std::span<const std::uint8_t> bytes) {
    RecordFile<Record> table = SortListTable(DecodeRecordFile<Record>(bytes, "fuzz.dat"));
    if (table.records.size() != bytes.size() / Record::kSize) std::abort();
    for (const char* filter : {"", "a", "Ga", "\xE4", "%"}) {
        for (const std::size_t row : FilterRows(table.records, filter)) {
            if (row >= table.records.size()) std::abort();
        }
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::span<const std::uint8_t> rest(data + 2, size - 2);
    const std::size_t constantsLength = std::min<std::size_t>(data[0] | data[1] << 8, rest.size());
    Table<ConstantRecord>(rest.first(constantsLength));
    const RecordFile<ElementRecord> elements = Table<ElementRecord>(rest.subspan(constantsLength));
    for (const ElementRecord& element : elements.records) {
        const ElementRecord* found = FindElementByName(elements.records, element.name.Text());
        if (found == nullptr || found->name.Text() != element.name.Text()) std::abort();
    }
    return 0;
}
