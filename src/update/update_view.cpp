#include "update/update_view.h"

#include <cstdio>

namespace quantora {

void UpdateView::ReportFault(std::string_view reason) {
    std::fprintf(stderr, "quantora update: %.*s\n", static_cast<int>(reason.size()), reason.data());
}

}  // namespace quantora
