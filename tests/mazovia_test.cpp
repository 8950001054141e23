#include <gtest/gtest.h>

#include <string>

#include "src/host/mazovia.h"

namespace klarvo::mazovia {
namespace {

// Every Polish letter has its own byte; the two separators of the Teta files are characters too.
static_assert(std::string_view("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_mz) ==
              "\x86\x8D\x91\x92\xA4\xA2\x9E\xA6\xA7\x8F\x95\x90\x9C\xA5\xA3\x98\xA0\xA1");
static_assert(std::string_view("■"_mz) == "\xFE");
static_assert(std::string_view("Ala ma kota\n"_mz) == "Ala ma kota\n");
static_assert(sizeof(kEncoded<"Błąd">) == 5);

TEST(Mazovia, EveryByteSurvivesTheWayToUtf8AndBack) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

TEST(Mazovia, PolishTextReadsTheSameInBothDirections) {
    EXPECT_EQ(ToUtf8("Zażółć gęślą jaźń"_mz), "Zażółć gęślą jaźń");
    EXPECT_EQ(FromUtf8("Źródło"), std::string("Źródło"_mz));
}

TEST(Mazovia, TextsOutsideTheCodePageAreRejected) {
    for (const char* text : {"€uro", "Straße ß ok but ő no", "\xC3", "\xFF\xFE"})
        EXPECT_THROW(FromUtf8(text), std::invalid_argument) << text;
}

}  // namespace
}  // namespace klarvo::mazovia
