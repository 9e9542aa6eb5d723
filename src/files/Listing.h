#pragma once
#include "core/Machine.h"

#include <ctime>
#include <string>
#include <vector>

namespace zeb {

// The font the listing is printed in; every start-up sets these defaults.
struct PrinterFont {
    std::string name = "Courier";
    float size = 10;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
};

// The printed listing of memory and the last run's log, line by line.
class Listing {
  public:
    // "dd-mmm-yy", as the listing's first line dates it.
    static std::string dateText(const std::tm& date);
    static std::vector<std::string> lines(const Machine& machine, const std::tm& date);
    // Today's date on this machine.
    static std::tm today();
};

} // namespace zeb
