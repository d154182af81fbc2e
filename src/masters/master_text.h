#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// A master text as the imports read it: its lines in Windows-1252 bytes, without line ends.
// `name` prefixes every fault so the developer is led to the line to fix.
struct MasterText {
    std::string name;
    std::vector<std::string> lines;

    // "<name>:<line>: <reason>" for the line at `index` (counted from 0; shown from 1).
    std::string Fault(std::size_t index, std::string_view reason) const;
};

struct MasterTextRead {
    MasterText text;
    std::string error;
    bool Ok() const { return error.empty(); }
};

// A master text that is valid UTF-8 (plain ASCII is too) becomes Windows-1252 here, the code page of
// the record texts; a character without a Windows-1252 form is then a fault naming its line. Any
// other text is taken as Windows-1252 bytes already, as a master file saved by a Windows editor is.
// Lines end at LF; a CR before it is dropped.
MasterTextRead SplitMasterText(std::string_view text, std::string name);
MasterTextRead ReadMasterText(std::istream& in, std::string name);
MasterTextRead ReadMasterText(const std::filesystem::path& path);

}  // namespace quantora
