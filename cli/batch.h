// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/price.h"

namespace zq::cli {

// Prices one case as the command line reports it: fee text, and a note that is empty on success
// and otherwise the message ("标的中请输入数字！", "计算错误：…", or the unknown-type message).
struct CaseAnswer {
    std::string amountText;
    std::string feeText;
    std::string note;
    bool ok() const { return note.empty(); }
};
CaseAnswer AnswerCase(std::string_view typeText, std::string_view amountText);

// The note for a Calculate command's outcome: empty when it gave a fee, else its message, or for a
// type that is not in the catalogue a message naming the closest types.
std::string NoteOf(std::string_view typeText, const FeeOutcome& outcome);

enum class BatchFormat {
    Tabs,       // "TYPE<TAB>AMOUNT<TAB>FEE<TAB>NOTE"
    JsonLines,  // one JSON object a line
};

// Batch mode: lines "TYPE<TAB>AMOUNT" in, one answer line out for every input line. A CR before
// the LF is dropped; a line without a TAB has an empty amount. Returns true when every line
// succeeded.
bool RunBatch(std::FILE* in, std::FILE* out, BatchFormat format = BatchFormat::Tabs);

}  // namespace zq::cli
