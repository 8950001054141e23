// How the simulated host reads a stored configuration line back.

#include <gtest/gtest.h>

#include <cstdarg>

#include "hostsim/company/config_line.h"

namespace klarvo::sim {
namespace {

ScanResult Scan(const char* line, const char* format, ...) {
    va_list targets;
    va_start(targets, format);
    const ScanResult result = ScanConfigurationLine(line, format, targets);
    va_end(targets);
    return result;
}

struct TextCase {
    const char* line;
    const char* first;
    const char* second;
};

class ConfigLineTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(ConfigLineTexts, ReadsBothTexts) {
    char first[6] = "?????", second[6] = "?????";
    ASSERT_EQ(Scan(GetParam().line, "%5s,%5s", first, second), ScanResult::Read);
    EXPECT_STREQ(first, GetParam().first);
    EXPECT_STREQ(second, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ConfigLineTexts,
    ::testing::Values(TextCase{"\"ab\",\"cd\"", "ab", "cd"},
                      TextCase{"\"a,b\",c", "a,b", "c"},           // a comma inside quotes
                      TextCase{"\"a\"b\",\"\"", "a\"b", ""},       // a quote not followed by a comma
                      TextCase{"ab,", "ab", ""},                  // an empty last field
                      TextCase{"\"abcdefgh\",xyz uvw", "abcde", "xyz u"},  // at most 5 characters
                      TextCase{"a b,\"\"", "a b", ""}));

TEST(ConfigLine, ReadsNumbersAndTextsOfTheStoredSchemeForm) {
    int debit = 0, credit = 0, number = 0;
    char account[11], other[11], description[41], code[11];
    EXPECT_EQ(Scan("3,-40,\"201-K\",\"\",\"Sprzedaż\",\"\",+1", "%d,%d,%10s,%10s,%40s,%10s,%d", &debit, &credit,
                   account, other, description, code, &number),
              ScanResult::Read);
    EXPECT_EQ(debit, 3);
    EXPECT_EQ(credit, -40);
    EXPECT_EQ(number, 1);
    EXPECT_STREQ(account, "201-K");
    EXPECT_STREQ(other, "");
    EXPECT_STREQ(description, "Sprzedaż");
    EXPECT_STREQ(code, "");
}

TEST(ConfigLine, ALineThatDoesNotMatchFillsNothing) {
    for (const char* line : {"1", "1,2,3", "x,2", "1,", "1,2x", "1,99999999999", "\"1\"x,2", "\"1,2"}) {
        int first = 7, second = 7;
        EXPECT_EQ(Scan(line, "%d,%d", &first, &second), ScanResult::Mismatch) << line;
        EXPECT_EQ(first, 7) << line;
        EXPECT_EQ(second, 7) << line;
    }
}

TEST(ConfigLine, RefusesDirectivesTheHostDoesNotRead) {
    for (const char* format : {"%s", "%f", "%d %d", "%0s", "%5c"}) {
        int value = 0;
        EXPECT_EQ(Scan("1", format, &value), ScanResult::UnknownFormat) << format;
    }
}

}  // namespace
}  // namespace klarvo::sim
