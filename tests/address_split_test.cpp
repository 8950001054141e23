#include <gtest/gtest.h>

#include <string>

#include "hostsim/text/text_cleanup.h"
#include "src/export/address_split.h"

namespace klarvo::exporting {
namespace {

std::string Cleaned(std::string_view part) {
    std::string text(part);
    sim::CleanAddressPart(text.data());
    return text.c_str();
}

struct AddressCase {
    std::string address;
    std::string postcode, city, street;  // as split, before the clean-up
    std::string cleanCity, cleanStreet;  // after the host's clean-up
};

class Addresses : public ::testing::TestWithParam<AddressCase> {};

TEST_P(Addresses, SplitIntoPostcodeCityAndStreet) {
    const AddressCase& c = GetParam();
    const AddressParts parts = SplitAddress(c.address);
    EXPECT_EQ(parts.postcode, c.postcode);
    EXPECT_EQ(parts.city, c.city);
    EXPECT_EQ(parts.street, c.street);
    EXPECT_EQ(Cleaned(parts.postcode), c.postcode);
    EXPECT_EQ(Cleaned(parts.city), c.cleanCity);
    EXPECT_EQ(Cleaned(parts.street), c.cleanStreet);
}

const std::string kLong(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    AddressSplit, Addresses,
    ::testing::Values(
        AddressCase{"ul. Kwiatowa 5, 00-950 Warszawa", "00-950", "Warszawa", "ul. Kwiatowa 5, ", "Warszawa", "ul. Kwiatowa 5"},
        AddressCase{"00-950 Warszawa, ul. Kwiatowa 5", "00-950", "Warszawa, ", "ul. Kwiatowa 5", "Warszawa", "ul. Kwiatowa 5"},
        AddressCase{"Kwiatowa 5 00-950 Warszawa", "00-950", "Warszawa", "Kwiatowa 5 ", "Warszawa", "Kwiatowa 5"},
        AddressCase{"00-950 Warszawa", "00-950", "Warszawa", "", "Warszawa", ""},
        AddressCase{"Os. Słoneczne 3 00-950", "", "", "", "", ""},
        AddressCase{"ul. Kwiatowa 5", "", "", "ul. Kwiatowa 5", "", "ul. Kwiatowa 5"},
        AddressCase{"Warszawa", "", "Warszawa", "", "Warszawa", ""},
        AddressCase{"00-9501 Warszawa", "", "00-9501 Warszawa", "", "00-9501 Warszawa", ""},
        AddressCase{"UL. Długa 1, 80-001 Gdańsk", "80-001", "Gdańsk", "UL. Długa 1, ", "Gdańsk", "UL. Długa 1"},
        AddressCase{"Ul. Długa 1 80-001 Gdańsk", "80-001", "Gdańsk", "Ul. Długa 1 ", "Gdańsk", "Ul. Długa 1"},
        AddressCase{"80-001 Gdańsk, OS. Zielone 2", "80-001", "Gdańsk, ", "OS. Zielone 2", "Gdańsk", "OS. Zielone 2"},
        AddressCase{"ul. Boczna os. Górne 1, 80-001 Gdańsk", "80-001", "Gdańsk", "os. Górne 1, ", "Gdańsk", "os. Górne 1"},
        AddressCase{"00-001 Aaa 80-002 Bbb", "80-002", "Bbb", "00-001 Aaa ", "Bbb", "00-001 Aaa"},
        AddressCase{"Warszawa 00-950", "", "", "", "", ""},
        AddressCase{"Wola 00-950X", "00-950", "", "Wola ", "", "Wola"},
        AddressCase{"", "", "", "", "", ""},
        AddressCase{"Warszawa" + kLong, "", ("Warszawa" + kLong).substr(0, 255), "", ("Warszawa" + kLong).substr(0, 255), ""},
        AddressCase{"ul. Długa 1, " + kLong + " 00-950 Warszawa", "", "", ("ul. Długa 1, " + kLong).substr(0, 255), "",
                    ("ul. Długa 1, " + kLong).substr(0, 255)},
        // Avenue and square markers, in any letter case; the city ends at the marker.
        AddressCase{"57-487 Radom, al. Ogrodowa 10a", "57-487", "Radom, ", "al. Ogrodowa 10a", "Radom", "al. Ogrodowa 10a"},
        AddressCase{"Pl. Zamkowy 1, 00-277 Warszawa", "00-277", "Warszawa", "Pl. Zamkowy 1, ", "Warszawa", "Pl. Zamkowy 1"},
        // No marker after a leading postcode: the street starts at the first comma after the city.
        AddressCase{"00-950 Warszawa, Polna 7", "00-950", "Warszawa", ", Polna 7", "Warszawa", "Polna 7"},
        AddressCase{"00-927 Warszawa, Krakowskie Przedmieście 26/28", "00-927", "Warszawa",
                    ", Krakowskie Przedmieście 26/28", "Warszawa", "Krakowskie Przedmieście 26/28"},
        // No postcode, a marker: the city before it, the street from it.
        AddressCase{"Warszawa, ul. Polna 7", "", "Warszawa, ", "ul. Polna 7", "Warszawa", "ul. Polna 7"},
        AddressCase{"Kraków AL. Mickiewicza 30", "", "Kraków ", "AL. Mickiewicza 30", "Kraków", "AL. Mickiewicza 30"},
        AddressCase{"00-950 Warszawa " + kLong, "00-950", "Warszawa " + kLong.substr(0, 9), kLong.substr(0, 230),
                    "Warszawa " + kLong.substr(0, 9), kLong.substr(0, 230)}));

struct DigitCase {
    std::string text, leading, digits;
};

class DigitSplits : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DigitSplits, CutAtTheFirstDigit) {
    const DigitSplit split = SplitAtFirstDigit(GetParam().text);
    EXPECT_EQ(split.leading, GetParam().leading);
    EXPECT_EQ(split.digits, GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(AddressSplit, DigitSplits,
                         ::testing::Values(DigitCase{"ABC 12 345", "ABC ", "12 345"}, DigitCase{"123", "", "123"},
                                           DigitCase{"ABC", "", ""}, DigitCase{"", "", ""},
                                           DigitCase{"Bank ²³ 7", "Bank ²³ ", "7"},
                                           DigitCase{kLong + "1", "", ""}));

}  // namespace
}  // namespace klarvo::exporting
