#pragma once
#include "core/Machine.h"

#include <ctime>
#include <string>
#include <vector>

namespace zeb {

// The font the listing is printed in; every start-up sets these defaults.
struct PrinterFont {
    std::string PrinterFontName = "Courier";
    float PrinterFontSize = 10;
    bool PrinterFontBold = false;
    bool PrinterFontItalic = false;
    bool PrinterFontStrikethru = false;
    bool PrinterFontUnderline = false;
};

// The printed listing of memory and the last run's log, line by line.
class Listing {
  public:
    // "dd-mmm-yy", as the listing's first line dates it.
    static std::string DateText(const std::tm& date);
    static std::vector<std::string> Lines(const Machine& machine, const std::tm& date);
    // Today's date on this machine.
    static std::tm Today();
};

} // namespace zeb
