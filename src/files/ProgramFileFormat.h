#pragma once
#include "files/ProgramReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// The text of .ZEB program files: a fixed-width line "AA|OOO|DDD|" per used
// cell, then "# RUN LOG:" and the log of the last run, written with CR LF
// (ProgramReader reads it).
class ProgramFileFormat {
  public:
    static constexpr std::string_view kLineEnd = "\r\n";
    static constexpr std::string_view kRunLogMarker = "# RUN LOG:";

    // The whole file from the cells' decimal texts (empty cells are left out)
    // and the log.
    static std::string write(const std::vector<ProgramLine>& cells,
                             const std::vector<std::string>& log);
    // A number as the file's fields hold it: optional blanks and sign, then
    // digits; no digits read as 0.
    static int fieldValue(std::string_view text);
};

} // namespace zeb
