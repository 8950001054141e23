// Whole numbers as the export writes them: the same characters as the C runtime's "%0Nd".

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>

#include "src/export/decimal_text.h"

namespace klarvo::test {
namespace {

class ZeroPadded : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(ZeroPadded, IsWhatPrintfWrites) {
    for (const int width : {1, 2, 4, 12}) {
        char expected[32], written[32];
        std::snprintf(expected, sizeof expected, "%0*ld", width, static_cast<long>(GetParam()));
        exporting::FormatZeroPadded(written, GetParam(), width);
        EXPECT_STREQ(written, expected) << "width " << width;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ZeroPadded,
                         ::testing::Values(0, 1, -1, 7, -7, 42, -42, 999, 1000, -999, -1000, 2024, 9999, 10000, 65999,
                                           -65999, 32767, -32768, std::numeric_limits<std::int32_t>::max(),
                                           std::numeric_limits<std::int32_t>::min()));

}  // namespace
}  // namespace klarvo::test
