// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "cli/modes/case_answers.h"

namespace zq::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kFlushAt = 1 << 16;

class LineAnswerer {
  public:
    LineAnswerer(std::FILE* out, BatchFormat format, const LocalFigures* figures)
        : out_(out), format_(format), figures_(figures) {
        buffer_.reserve(kFlushAt * 2);
    }
    ~LineAnswerer() { Flush(); }
    LineAnswerer(const LineAnswerer&) = delete;
    LineAnswerer& operator=(const LineAnswerer&) = delete;

    void Answer(std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        // Excel and Notepad begin a UTF-8 file with a byte-order mark, and files joined together
        // carry one at the start of each; it is never part of a type.
        if (line.starts_with(kByteOrderMark)) {
            line.remove_prefix(kByteOrderMark.size());
        }
        const std::size_t tab = line.find('\t');
        const std::string_view type = line.substr(0, tab);
        const std::string_view amount =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        const CaseAnswer answer =
            PriceCase(type, amount, format_ == BatchFormat::JsonLines, figures_);
        allOk_ = allOk_ && answer.ok();
        if (format_ == BatchFormat::JsonLines) {
            buffer_.append(Dump(CaseObject(type, answer))).push_back('\n');
        } else {
            AppendTabs(type, answer);
        }
        if (buffer_.size() >= kFlushAt) {
            Flush();
        }
    }

    void AppendTabs(std::string_view type, const CaseAnswer& answer) {
        buffer_.append(type).push_back('\t');
        buffer_.append(answer.amountText).push_back('\t');
        buffer_.append(answer.feeText).push_back('\t');
        buffer_.append(answer.note).push_back('\n');
    }

    void Flush() {
        if (!buffer_.empty()) {
            std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
            buffer_.clear();
        }
    }

    bool allOk() const { return allOk_; }

  private:
    std::FILE* out_;
    BatchFormat format_;
    const LocalFigures* figures_;
    std::string buffer_;
    bool allOk_ = true;
};

}  // namespace

bool RunBatch(std::FILE* in, std::FILE* out, BatchFormat format, const LocalFigures* figures) {
    LineAnswerer answerer(out, format, figures);
    std::string pending;
    std::size_t scanned = 0;  // the start of pending is known to hold no line feed
    for (;;) {
        const std::size_t kept = pending.size();
        pending.resize(kept + kChunk);
        const std::size_t got = std::fread(pending.data() + kept, 1, kChunk, in);
        pending.resize(kept + got);
        if (got == 0) {
            break;
        }
        std::size_t start = 0;
        std::size_t end = pending.find('\n', scanned);
        while (end != std::string::npos) {
            answerer.Answer(std::string_view(pending).substr(start, end - start));
            start = end + 1;
            end = pending.find('\n', start);
        }
        pending.erase(0, start);
        scanned = pending.size();
        if (std::ferror(out) != 0) {
            return false;  // nothing more can be delivered
        }
    }
    // A last line without its line feed; an empty file saved by Notepad is a mark alone.
    if (!pending.empty() && pending != kByteOrderMark) {
        answerer.Answer(pending);
    }
    answerer.Flush();
    std::fflush(out);
    return answerer.allOk();
}

}  // namespace zq::cli
