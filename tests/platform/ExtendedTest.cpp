#include "Extended.h"

#include <gtest/gtest.h>
#include <array>
#include <cmath>

TEST(Extended, BrakDanychHasTheBytesOfTheDataFiles)
{
    std::array<unsigned char, 10> bajty{};
    KodujExtended(12321.0L, bajty.data());
    std::array<unsigned char, 10> oczekiwane{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x84, 0xC0, 0x0C, 0x40};
    EXPECT_EQ(bajty, oczekiwane);
    EXPECT_EQ(DekodujExtended(oczekiwane.data()), 12321.0L);
}

TEST(Extended, KnownEncodings)
{
    // 1.0: significand 0x8000000000000000, exponent 0x3FFF; -2.0: exponent 0x4000 with the sign bit.
    const unsigned char jeden[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    const unsigned char minusDwa[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0};
    EXPECT_EQ(DekodujExtended(jeden), 1.0L);
    EXPECT_EQ(DekodujExtended(minusDwa), -2.0L);
}

TEST(Extended, RoundTripKeepsEveryBit)
{
    for (long double x : {12321.0L, -273.15L, 1e-300L, -1e300L, 0.1L, 3.14159265358979323846L, 0.0L, 6.02214076e23L}) {
        unsigned char bajty[10];
        KodujExtended(x, bajty);
        EXPECT_EQ(DekodujExtended(bajty), x);
    }
}
