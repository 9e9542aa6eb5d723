#pragma once
#include "files/FileSystem.h"

#include <optional>
#include <string>

namespace zeb {

// One cell line of a program file, its texts without the leading blanks.
struct ProgramLine {
    int address = 0;
    std::string operatorText;
    std::string operandText;
    // False for a last line the file ended in the middle of, after its operator.
    bool operandRead = true;
};

enum class ProgramReadError {
    None,
    ReadFailed,        // the file ended before the run log
    AddressOutOfRange, // a line's address is not 0..79
};

// Reads the cell lines of a program file one at a time, so that a loader can
// judge each line before reading the next: a file that never ends (a device,
// say) costs no more than its first bad line. Lines end in CR LF, LF or CR;
// a UTF-8 byte-order mark at the start is skipped.
class ProgramReader {
  public:
    explicit ProgramReader(InputFile& file);

    // The next cell line, or nothing at the run log marker, at the end of the
    // file or at a fault, which error() then tells.
    std::optional<ProgramLine> next();
    ProgramReadError error() const { return error_; }
    // Not even one character could be read.
    bool empty() const { return empty_; }

  private:
    std::string take(int count);
    int nextChar();
    void putBack(std::string_view text);
    void skipByteOrderMark();
    void takeLineEnd();
    bool atEnd() { return pending_.empty() && file_.atEnd(); }
    std::nullopt_t fail(ProgramReadError error);

    InputFile& file_;
    std::string pending_; // characters put back, in reverse order
    bool pastEnd_ = false;
    bool done_ = false;
    bool empty_ = false;
    ProgramReadError error_ = ProgramReadError::None;
    std::string first_; // the first character of the next line
};

} // namespace zeb
