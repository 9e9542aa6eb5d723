#include "files/Listing.h"
#include "../core/TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

std::tm Date(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    return t;
}

TEST(Listing, DateLine) {
    EXPECT_EQ(Listing::dateText(Date(2026, 12, 5)), "05-Dec-26");
    EXPECT_EQ(Listing::dateText(Date(2000, 1, 31)), "31-Jan-00");
}

TEST(Listing, EmptyMemoryNoFileNoLog) {
    Rig r;
    const std::vector<std::string> expected = {"",
                                               "",
                                               "05-Dec-26 ZEB Printer output",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "",
                                               " RUN LOG:",
                                               "",
                                               "",
                                               "End of output"};
    EXPECT_EQ(Listing::lines(r.m, Date(2026, 12, 5)), expected);
}

TEST(Listing, CellsInTheShownBaseAndTheLog) {
    for (int base : {10, 16}) {
        Rig r;
        r.Program({{5, "LDA", "12"}, {70, "", "1"}});
        r.m.view().setMnemonicsShown(true);
        if (base == 16) r.bases.changeBase(NumberBase::Hexadecimal);
        r.m.view().setCurrentFileName("/tmp/P.ZEB");
        r.m.runState().runLog().append("OUTPUT:      9");
        r.m.runState().runLog().append("OUTPUT:      8");
        const std::vector<std::string> expected = {"",
                                                   "",
                                                   "05-Dec-26 ZEB Printer output",
                                                   "",
                                                   "",
                                                   "Current file is: /tmp/P.ZEB",
                                                   "",
                                                   "",
                                                   "",
                                                   base == 10 ? "05|LDA| 12" : "05|LDA|  C",
                                                   "70|   |  1",
                                                   "",
                                                   " RUN LOG:",
                                                   "",
                                                   "OUTPUT:      9",
                                                   "OUTPUT:      8",
                                                   "",
                                                   "End of output"};
        EXPECT_EQ(Listing::lines(r.m, Date(2026, 12, 5)), expected);
    }
}

} // namespace
} // namespace zeb::test
