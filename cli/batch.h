// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/local_figures.h"

namespace zq::cli {

enum class BatchFormat {
    Tabs,       // "TYPE<TAB>AMOUNT<TAB>FEE<TAB>NOTE"
    JsonLines,  // one JSON object a line
};

// Batch mode: lines "TYPE<TAB>AMOUNT" in, one answer line out for every input line. A CR before
// the LF is dropped; a line without a TAB has an empty amount. The local figures, when given, are
// charged as in every other answer. Returns true when every line succeeded.
bool RunBatch(std::FILE* in, std::FILE* out, BatchFormat format = BatchFormat::Tabs,
              const LocalFigures* figures = nullptr);

}  // namespace zq::cli
