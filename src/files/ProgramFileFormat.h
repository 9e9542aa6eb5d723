#pragma once
#include "files/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

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

struct ProgramReadResult {
    // The lines read before the error, in file order.
    std::vector<ProgramLine> lines;
    ProgramReadError error = ProgramReadError::None;
    // Not even one character could be read.
    bool empty = false;
};

// The text of .ZEB program files: a fixed-width line "AA|OOO|DDD|" per used
// cell, then "# RUN LOG:" and the log of the last run. Written with CR LF; read
// with CR LF or LF alone, and a UTF-8 byte-order mark at the start is skipped.
class ProgramFileFormat {
  public:
    static constexpr std::string_view kLineEnd = "\r\n";
    static constexpr std::string_view kRunLogMarker = "# RUN LOG:";

    // Reads the cell lines up to the run log.
    static ProgramReadResult read(InputFile& file);
    // The whole file from the cells' decimal texts (empty cells are left out)
    // and the log.
    static std::string write(const std::vector<ProgramLine>& cells,
                             const std::vector<std::string>& log);
    // A number as the file's fields hold it: optional blanks and sign, then
    // digits; no digits read as 0.
    static int fieldValue(std::string_view text);
};

} // namespace zeb
