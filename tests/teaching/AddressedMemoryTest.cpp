#include "teaching/AddressedMemory.h"
#include "teaching/TruthTable.h"

#include <gtest/gtest.h>

using namespace zeb;
using namespace zeb::teaching;

namespace {

class AddressedMemoryTest : public testing::Test {
  protected:
    Preferences prefs;
    AddressedMemory mem{prefs};

    bool lit(int line) const { return mem.wireColour(line) == prefs.highlightColour; }
    // The AND gates putting out 1, as "location.bit" pairs.
    std::string litGates() const {
        std::string gates;
        for (int loc = 0; loc < 4; ++loc)
            for (int bit = 0; bit < 2; ++bit)
                if (mem.gateOutputColour(loc, bit) == prefs.highlightColour)
                    gates += (gates.empty() ? "" : " ") + std::to_string(loc) + "." +
                             std::to_string(bit);
        return gates;
    }
    std::string output() const {
        return std::string(bitText(mem.output(1))) + bitText(mem.output(0));
    }
    void setAddress(int address) {
        if (mem.address() % 2 != address % 2) mem.toggleInput(0);
        if (mem.address() / 2 != address / 2) mem.toggleInput(1);
    }
};

TEST_F(AddressedMemoryTest, StartsDarkAlthoughTheAddressIsZero) {
    EXPECT_EQ(mem.address(), 0);
    for (int i = 0; i < AddressedMemory::kLineCount; ++i)
        EXPECT_FALSE(lit(i)) << i;
    EXPECT_EQ(output(), "00");
    EXPECT_EQ(litGates(), "");
    EXPECT_FALSE(mem.selectedLocation());
}

TEST_F(AddressedMemoryTest, EachAddressLightsOnlyItsSelectLine) {
    for (int address : {1, 3, 2, 0}) {
        SCOPED_TRACE(testing::Message() << "address " << address);
        setAddress(address);
        EXPECT_EQ(mem.address(), address);
        for (int loc = 0; loc < 4; ++loc)
            EXPECT_EQ(lit(AddressedMemory::kLocationLines[loc].select), loc == address)
                << "location " << loc;
        EXPECT_EQ(output(), "00");
    }
}

TEST_F(AddressedMemoryTest, StoredBitsChangeOnlyWhileControlIsOne) {
    mem.toggleStored(0, 0);
    EXPECT_FALSE(mem.stored(0, 0) || lit(3));
    mem.toggleControl();
    mem.toggleStored(0, 0);
    EXPECT_TRUE(mem.stored(0, 0) && lit(3) && lit(2));
}

TEST_F(AddressedMemoryTest, WriteAtTheAddressShowsAtTheOutputAtOnce) {
    mem.toggleControl();
    setAddress(2);
    mem.toggleStored(2, 1);
    EXPECT_EQ(output(), "10");
    EXPECT_EQ((std::vector<bool>{lit(12), lit(13), lit(5), lit(6)}),
              (std::vector<bool>{true, true, true, false}));
}

// Whatever the other locations hold, only the selected location's AND gates
// can put out a 1, and only for the bits it holds.
TEST_F(AddressedMemoryTest, OnlyTheSelectedLocationsGatesPutOutItsBits) {
    mem.toggleControl();
    mem.toggleStored(0, 1);
    mem.toggleStored(1, 1);
    mem.toggleStored(3, 0);
    mem.toggleStored(3, 1);
    setAddress(2);
    EXPECT_EQ(litGates(), "");
    mem.toggleStored(2, 1);
    EXPECT_EQ(mem.selectedLocation(), 2);
    EXPECT_EQ(litGates(), "2.1");
    setAddress(3);
    EXPECT_EQ(litGates(), "3.0 3.1");
    setAddress(0);
    EXPECT_EQ(litGates(), "0.1");
    mem.toggleStored(0, 1);
    EXPECT_EQ(litGates(), "");
}

TEST_F(AddressedMemoryTest, WriteElsewhereLightsThatLocationOnly) {
    mem.toggleControl();
    setAddress(1);
    mem.toggleStored(3, 0);
    EXPECT_TRUE(lit(19) && lit(20));
    EXPECT_EQ(output(), "00");
    mem.toggleStored(3, 0);
    EXPECT_FALSE(lit(19) || lit(20));
}

TEST_F(AddressedMemoryTest, ReadsBackWhatWasStoredAfterControlReturnsToZero) {
    mem.toggleControl();
    const char* contents[] = {"01", "10", "11", "00"};
    for (int loc = 0; loc < 4; ++loc) {
        if (contents[loc][1] == '1') mem.toggleStored(loc, 0);
        if (contents[loc][0] == '1') mem.toggleStored(loc, 1);
    }
    mem.toggleControl();
    mem.toggleStored(3, 1); // ignored
    for (int loc : {3, 2, 0, 1}) {
        SCOPED_TRACE(testing::Message() << "location " << loc);
        setAddress(loc);
        EXPECT_EQ(output(), contents[loc]);
        EXPECT_EQ(std::string(lit(5) ? "1" : "0") + (lit(6) ? "1" : "0"), contents[loc]);
    }
}

} // namespace
