#include "teaching/FourBitMemory.h"
#include "teaching/TruthTable.h"

#include <gtest/gtest.h>

using namespace zeb::teaching;

namespace {

std::string stored(const FourBitMemory& memory) {
    std::string bits;
    for (int i = 3; i >= 0; --i)
        bits += bitText(memory.stored(i));
    return bits;
}

TEST(FourBitMemoryTest, WritesOnlyWhileControlIsOne) {
    FourBitMemory memory;
    memory.toggleInput(0);
    memory.toggleInput(3);
    EXPECT_EQ(stored(memory), "0000") << "control 0 changes nothing";
    memory.toggleControl();
    EXPECT_EQ(stored(memory), "1001") << "control 1 copies all four at once";
    memory.toggleInput(1);
    EXPECT_EQ(stored(memory), "1011") << "and every change while it stays 1";
    memory.toggleControl();
    memory.toggleInput(3);
    memory.toggleInput(2);
    EXPECT_EQ(stored(memory), "1011") << "control back at 0 holds the value";
    EXPECT_FALSE(memory.input(3));
    EXPECT_TRUE(memory.input(2));
}

} // namespace
