// Builds "consts.dat" or "element.dat" from its UTF-8 master text. Run by the build:
//   quantora_listgen constants|elements <source> <output>
// Any fault of the source is printed with its line and nothing is written, so the build stops
// instead of shipping a half-made list.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "catalogue/record_file.h"
#include "lists/list_sources.h"

namespace {

template <typename Record>
int Build(const quantora::ListSource<Record>& source, const std::filesystem::path& output) {
    for (const std::string& error : source.errors) std::cerr << error << '\n';
    if (!source.Ok()) {
        std::cerr << "quantora_listgen: " << source.errors.size() << " fault(s); " << output.string()
                  << " not written\n";
        return 1;
    }
    if (auto error = quantora::WriteRecordFile(output, source.records)) {
        std::cerr << "quantora_listgen: " << *error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quantora_listgen constants|elements <source> <output>\n";
        return 2;
    }
    const std::string_view kind = argv[1];
    const std::filesystem::path sourcePath = argv[2];
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        std::cerr << "quantora_listgen: " << quantora::FileError(sourcePath) << '\n';
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string name = sourcePath.string();
    if (kind == "constants") return Build(quantora::ParseConstantsSource(text, name), argv[3]);
    if (kind == "elements") return Build(quantora::ParseElementsSource(text, name), argv[3]);
    std::cerr << "quantora_listgen: unknown kind \"" << kind << "\" (constants or elements)\n";
    return 2;
}
