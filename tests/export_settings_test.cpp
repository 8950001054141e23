#include <gtest/gtest.h>

#include "src/export/export_settings.h"

namespace klarvo::exporting {
namespace {

struct StoredCase {
    const char* stored;
    std::uint16_t options;
    const char* dateFrom;
    const char* dateTo;
};

class StoredSettingsParse : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredSettingsParse, GivesBackWhatWasWritten) {
    const ExportSettings settings = ParseStoredSettings(GetParam().stored);
    EXPECT_EQ(settings.options, GetParam().options);
    EXPECT_STREQ(settings.dateFrom, GetParam().dateFrom);
    EXPECT_STREQ(settings.dateTo, GetParam().dateTo);
}

INSTANTIATE_TEST_SUITE_P(
    ExportSettings, StoredSettingsParse,
    ::testing::Values(StoredCase{"0,,", 0, "", ""}, StoredCase{"1,20240101,20240131", 1, "20240101", "20240131"},
                      StoredCase{"1,,20240131", 1, "", "20240131"}, StoredCase{"1,2024,31", 1, "2024", "31"},
                      StoredCase{"1,2024010199,2024013199", 1, "20240101", "20240131"},
                      StoredCase{"-1,a,b", 0xFFFF, "a", "b"}, StoredCase{"65537,,", 1, "", ""},
                      StoredCase{"1", 1, "", ""}, StoredCase{"x,20240101,20240131", 0, "", ""},
                      StoredCase{"", 0, "", ""},
                      // Each date skips the blanks before it, as "%8s" reads it.
                      StoredCase{"1, 20240101,20240331", 1, "20240101", "20240331"},
                      StoredCase{"1,\t20240101,  20240331", 1, "20240101", "20240331"}));

}  // namespace
}  // namespace klarvo::exporting
