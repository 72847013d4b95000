// Close-rule arithmetic: the pointer threshold and the password grace period.
#include "close_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(PointerThreshold, ExactlyTheThresholdOnBothAxesStays) {
    const SaverPoint anchor{400, 300};
    EXPECT_FALSE(PointerBeyondThreshold(anchor, {450, 350}, 50));
    EXPECT_FALSE(PointerBeyondThreshold(anchor, {350, 250}, 50));
    EXPECT_FALSE(PointerBeyondThreshold(anchor, anchor, 50));
    EXPECT_TRUE(PointerBeyondThreshold(anchor, {451, 300}, 50));
    EXPECT_TRUE(PointerBeyondThreshold(anchor, {400, 249}, 50));
    EXPECT_TRUE(PointerBeyondThreshold(anchor, {349, 351}, 50));
}

TEST(PointerThreshold, ZeroAndNegativeThresholds) {
    EXPECT_FALSE(PointerBeyondThreshold({5, 5}, {5, 5}, 0));
    EXPECT_TRUE(PointerBeyondThreshold({5, 5}, {6, 5}, 0));
    EXPECT_TRUE(PointerBeyondThreshold({5, 5}, {5, 5}, -1));
}

TEST(PointerThreshold, ExtremeCoordinatesDoNotOverflow) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    EXPECT_TRUE(PointerBeyondThreshold({lo, 0}, {hi, 0}, hi));
    EXPECT_FALSE(PointerBeyondThreshold({lo, lo}, {lo, lo}, 0));
}

TEST(GracePeriod, StrictlyLongerThanTheDelay) {
    EXPECT_FALSE(GracePeriodOver(1000, 1000 + 15000, 15));
    EXPECT_TRUE(GracePeriodOver(1000, 1000 + 15001, 15));
    EXPECT_FALSE(GracePeriodOver(1000, 1000, 0));
    EXPECT_TRUE(GracePeriodOver(1000, 1001, 0));
}

TEST(GracePeriod, TickCountWrapsAround) {
    EXPECT_FALSE(GracePeriodOver(0xFFFFFF00u, 0x00000100u, 1));  // 512 ms across the wrap
    EXPECT_TRUE(GracePeriodOver(0xFFFFFF00u, 0x00001000u, 1));
}

TEST(GracePeriod, HugeDelaysNeverWrap) {
    // 4,294,968 s times 1000 does not fit in 32 bits; it must still mean "not yet".
    EXPECT_FALSE(GracePeriodOver(0, 0xFFFFFFFFu, 4294968u));
    EXPECT_FALSE(GracePeriodOver(0, 0xFFFFFFFFu, 0xFFFFFFFFu));
}
