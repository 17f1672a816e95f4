// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zq::cli {

// Turns a case file, as Windows programs save it, into the UTF-8 lines `--batch` reads. UTF-8
// passes unchanged. A file that begins with a UTF-16 byte-order mark (Excel's "Unicode 文本",
// Notepad's "UTF-16 LE" and "UTF-16 BE") is converted whole. Any other line that is not valid
// UTF-8 is taken to be in the system's ANSI code page (GBK on a Chinese Windows: Excel's
// "文本文件(制表符分隔)" and the old Notepad's "ANSI") and converted by fromAnsi. Ctrl+Z ends the
// text, as in any Windows text file.
class CaseTextDecoder {
  public:
    using AnsiDecoder = std::function<std::string(std::string_view)>;
    explicit CaseTextDecoder(AnsiDecoder fromAnsi);

    // What can be passed on now; the rest waits for the line's end or the next bytes.
    std::string Feed(std::string_view bytes);
    // What was left at the end of the input.
    std::string Finish();

  private:
    enum class Encoding { Undecided, Lines, Utf16LittleEndian, Utf16BigEndian };
    std::string DecodeLine(std::string_view line) const;
    std::string TakeLines();
    std::string TakeUtf16(bool atEnd);

    AnsiDecoder fromAnsi_;
    Encoding encoding_ = Encoding::Undecided;
    bool ended_ = false;
    std::string pending_;
};

}  // namespace zq::cli
