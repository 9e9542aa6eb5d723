#pragma once
#include "core/Font.h"
#include "core/Machine.h"

#include <ctime>
#include <string>
#include <vector>

namespace zeb {

// The font the listing is printed in until the user chooses another; every
// start-up sets it again.
inline const Font kListingFontAtStartUp{"Courier", 10};

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
