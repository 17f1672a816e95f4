// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zq::cli {

// Turns a case file, as Windows programs save it, into the UTF-8 lines `--batch` reads. UTF-8
// passes unchanged. A file that begins with the UTF-16 little-endian byte-order mark (Excel's
// "Unicode 文本") is converted whole. Any other line that is not valid UTF-8 is taken to be in the
// system's ANSI code page (GBK on a Chinese Windows: Excel's "文本文件(制表符分隔)" and the old
// Notepad's "ANSI") and converted by fromAnsi. A line that begins with Ctrl+Z ends the file, as
// in a Windows text file.
class CaseTextDecoder {
  public:
    using AnsiDecoder = std::function<std::string(std::string_view)>;
    explicit CaseTextDecoder(AnsiDecoder fromAnsi);

    // What can be passed on now; the rest waits for the line's end or the next bytes.
    std::string Feed(std::string_view bytes);
    // What was left at the end of the input.
    std::string Finish();

  private:
    enum class Encoding { Undecided, Lines, Utf16 };
    std::string DecodeLine(std::string_view line) const;
    std::string TakeUtf16(bool atEnd);

    AnsiDecoder fromAnsi_;
    Encoding encoding_ = Encoding::Undecided;
    bool ended_ = false;
    std::string pending_;
};

}  // namespace zq::cli
