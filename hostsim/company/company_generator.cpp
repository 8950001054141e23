#include "hostsim/company/company_generator.h"

#include "checkdigits/polish_check_digits.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "hostsim/company/csv.h"
#include "hostsim/company/seeded_random.h"

namespace klarvo::sim {
namespace {

constexpr std::int64_t kLargestCustomerCount = 2 * 65999;

const std::vector<const char*> kCities = {
    "Warszawa", "Łódź", "Kraków", "Wrocław", "Poznań", "Gdańsk", "Szczecin", "Bydgoszcz", "Lublin", "Białystok",
    "Katowice", "Gdynia", "Częstochowa", "Radom", "Toruń", "Kielce", "Rzeszów", "Gliwice", "Olsztyn",
    "Bielsko-Biała", "Świdnica", "Zielona Góra", "Kędzierzyn-Koźle", "Żyrardów"};
const std::vector<const char*> kStreets = {
    "Kwiatowa", "Słoneczna", "Długa", "Krótka", "Ogrodowa", "Lipowa", "Źródlana", "Żeromskiego", "Mickiewicza",
    "Piłsudskiego", "Kościuszki", "Wojska Polskiego", "3 Maja", "Grunwaldzka", "Świętokrzyska", "Łąkowa"};
const std::vector<const char*> kSurnames = {
    "Kowalski", "Nowak", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowski", "Zieliński", "Szymański",
    "Woźniak", "Dąbrowski", "Kozłowski", "Jankowski", "Mazur", "Kwiatkowski", "Krawczyk", "Piotrowski", "Grabowski",
    "Pawłowski", "Michalski", "Król", "Wieczorek", "Jabłoński", "Wróbel", "Majewski", "Olszewski", "Stępień",
    "Malinowski", "Jaworski", "Adamczyk", "Dudek", "Pawlak", "Górski", "Witkowski", "Walczak", "Sikora", "Żak",
    "Zając", "Śliwa", "Ślusarczyk"};
const std::vector<const char*> kFirstNames = {
    "Anna", "Maria", "Katarzyna", "Małgorzata", "Agnieszka", "Barbara", "Ewa", "Elżbieta", "Zofia", "Jan",
    "Andrzej", "Piotr", "Krzysztof", "Stanisław", "Tomasz", "Paweł", "Józef", "Marcin", "Łukasz", "Grzegorz",
    "Michał", "Wojciech", "Jerzy", "Żaneta"};
const std::vector<const char*> kTrades = {"Handel", "Usługi Budowlane", "Transport", "Hurtownia Spożywcza",
                                          "Piekarnia", "Zakład Ślusarski", "Biuro Rachunkowe", "Drukarnia"};
const std::vector<const char*> kLegalForms = {"Sp. z o.o.", "S.A.", "Sp.j.", "s.c.", "P.P.H.U."};
const std::vector<const char*> kBanks = {"PKO BP", "Bank Pekao", "mBank", "ING Bank Śląski", "Santander", "Alior"};
const std::vector<int> kPaymentDays = {0, 0, 7, 14, 14, 21, 30, 30, 60, -5};

// VAT rates and the amount codes of their net, VAT and gross amounts.
struct Rate {
    int percent;
    int net, vat, gross;
};
const std::vector<Rate> kRates = {{23, 27, 28, 29}, {23, 27, 28, 29}, {23, 27, 28, 29}, {8, 30, 31, 32},
                                  {5, 22, 23, 24},  {0, 17, 0, 0}};

std::string Postcode(SeededRandom& random) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d-%03d", static_cast<int>(random.Below(100)), static_cast<int>(random.Below(1000)));
    return text;
}

std::string Street(SeededRandom& random) {
    std::string street = std::string(random.Chance(80) ? "ul. " : "al. ") + random.Pick(kStreets) + " " +
                         std::to_string(1 + random.Below(120));
    if (random.Chance(15)) street += "a";
    if (random.Chance(30)) street += "/" + std::to_string(1 + random.Below(60));
    return street;
}

std::string Address(SeededRandom& random) {
    const std::string city = random.Pick(kCities);
    switch (random.Below(20)) {
        case 0: return city;                                              // a city alone
        case 1: return Postcode(random) + " " + city;                     // no street
        case 2: return city + ", " + random.Pick(kStreets) + " 5";        // no postcode, no marker
        case 3: case 4: case 5: case 6: case 7: case 8:
            return Postcode(random) + " " + city + ", " + Street(random);  // postcode first
        default: return Street(random) + ", " + Postcode(random) + " " + city;  // street first
    }
}

std::string RandomDigits(SeededRandom& random, int count) {
    std::string digits;
    for (int k = 0; k < count; ++k) digits += static_cast<char>('0' + random.Below(10));
    return digits;
}

// A NIP with its check digit, written "123-456-32-18"; nine digits that no NIP begins with are
// drawn again.
std::string TaxId(SeededRandom& random) {
    std::string digits;
    std::optional<char> check;
    while (!check) check = checkdigits::NipCheckDigit(digits = RandomDigits(random, 9));
    digits += *check;
    return digits.substr(0, 3) + "-" + digits.substr(3, 3) + "-" + digits.substr(6, 2) + "-" + digits.substr(8, 2);
}

// A bank's name and an NRB with its check digits, in the groups a bank prints: "PKO BP 61 1090 …".
std::string BankAccount(SeededRandom& random) {
    const std::string account = RandomDigits(random, 24);
    std::string text = std::string(random.Pick(kBanks)) + " " + checkdigits::NrbCheckDigits(account);
    for (std::size_t group = 0; group < account.size(); group += 4) text += " " + account.substr(group, 4);
    return text;
}

// Grosze as a decimal amount.
std::string Amount(std::int64_t grosze) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", grosze < 0 ? "-" : "", static_cast<long long>(std::llabs(grosze) / 100),
                  static_cast<long long>(std::llabs(grosze) % 100));
    return text;
}

std::ofstream OpenForWriting(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    if (!out) throw std::runtime_error(path.string() + ": cannot be written");
    return out;
}

// Customer numbers: companies 1, 2, ... and natural persons -1, -2, ...
std::vector<std::int32_t> WriteCustomers(const std::filesystem::path& folder, const GeneratorOptions& options,
                                         SeededRandom& random) {
    const std::int64_t companies = std::min<std::int64_t>(options.customers * 6 / 10, 65999);
    std::vector<std::int32_t> numbers;
    std::ofstream out = OpenForWriting(folder / "customers.csv");
    out << "number,short_name,name,address,tax_id,bank_account,credit_limit,discount\n";
    for (std::int64_t i = 0; i < options.customers; ++i) {
        const bool company = i < companies;
        const auto number = static_cast<std::int32_t>(company ? i + 1 : -(i - companies + 1));
        const std::string surname = random.Pick(kSurnames);
        const std::string name = company ? std::string(random.Pick(kTrades)) + " " + surname + " " + random.Pick(kLegalForms)
                                         : std::string(random.Pick(kFirstNames)) + " " + surname;
        out << number << ',' << CsvField(surname) << ',' << CsvField(name) << ',' << CsvField(Address(random)) << ','
            << (company ? TaxId(random) : "") << ',' << (random.Chance(70) ? CsvField(BankAccount(random)) : "") << ','
            << (company ? std::to_string(1000 * random.Below(100)) : "") << ','
            << (random.Chance(20) ? std::to_string(random.Below(15)) : "") << '\n';
        numbers.push_back(number);
    }
    if (!out.flush()) throw std::runtime_error((folder / "customers.csv").string() + ": cannot be written");
    return numbers;
}

void WriteDocuments(const std::filesystem::path& folder, const GeneratorOptions& options,
                    const std::vector<std::int32_t>& customers, SeededRandom& random) {
    std::ofstream out = OpenForWriting(folder / "documents.csv");
    out << "number,date,payment_days,customer,included";
    for (int code = 1; code <= 32; ++code) out << ",amount_" << code;
    out << '\n';
    constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::int64_t i = 0; i < options.documents; ++i) {
        const int month = static_cast<int>(random.Below(12));
        char date[32];
        std::snprintf(date, sizeof date, "2024-%02d-%02d", month + 1, 1 + static_cast<int>(random.Below(kDaysInMonth[month])));
        const std::int32_t customer = random.Chance(1) ? 0 : customers[random.Below(customers.size())];
        // Net amounts spread over orders of magnitude: from 1 zł to some hundred thousand.
        std::int64_t net = static_cast<std::int64_t>(100 + random.Below(9900));
        for (int scale = static_cast<int>(random.Below(4)); scale > 0; --scale) net *= 10;
        if (random.Chance(2)) net = -net;
        const Rate& rate = random.Pick(kRates);
        const std::int64_t vat = (net * rate.percent + (net < 0 ? -50 : 50)) / 100;
        std::array<std::string, 33> amounts;
        amounts[1] = Amount(net);
        amounts[2] = Amount(vat);
        amounts[3] = Amount(net + vat);
        amounts[rate.net] = Amount(net);
        if (rate.vat) amounts[rate.vat] = Amount(vat);
        if (rate.gross) amounts[rate.gross] = Amount(net + vat);
        out << "FV/" << i + 1 << "/2024," << (random.Chance(1) ? "" : date) << ',' << random.Pick(kPaymentDays) << ','
            << customer << ',' << (random.Chance(1) ? 0 : 1);
        for (int code = 1; code <= 32; ++code) out << ',' << amounts[code];
        out << '\n';
    }
    if (!out.flush()) throw std::runtime_error((folder / "documents.csv").string() + ": cannot be written");
}

}  // namespace

void CheckGeneratorOptions(const GeneratorOptions& options) {
    if (options.documents < 0) throw std::invalid_argument("the number of documents cannot be negative");
    if (options.customers < 1 || options.customers > kLargestCustomerCount)
        throw std::invalid_argument("the number of customers must lie from 1 to " + std::to_string(kLargestCustomerCount));
}

void GenerateCompany(const std::filesystem::path& folder, const GeneratorOptions& options) {
    CheckGeneratorOptions(options);
    std::filesystem::create_directories(folder);
    SeededRandom random(options.seed);
    const std::vector<std::int32_t> customers = WriteCustomers(folder, options, random);
    WriteDocuments(folder, options, customers, random);
}

}  // namespace klarvo::sim
