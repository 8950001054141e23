#include "hostsim/session/day_random.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "hostsim/company/csv.h"
#include "hostsim/company/seeded_random.h"
#include "hostsim/company/table_file.h"
#include "hostsim/faults/fault_raising.h"
#include "hostsim/session/day_script.h"
#include "src/teta/format.h"

namespace klarvo::sim {
namespace {

namespace fs = std::filesystem;

// Services an export or the scheme editor calls, with how many times they are called at most in
// a run over a small company: a failure on one of those calls reaches the plug-in.
struct FailingService {
    int number;
    int calls;
};
const std::vector<FailingService> kFailingServices = {
    {52534, 2}, {22562, 2},  {22567, 2}, {22563, 2}, {52228, 1},  {30204, 1},  {30520, 1}, {52541, 120},
    {52233, 30}, {52234, 30}, {52278, 1}, {52279, 30}, {30908, 60}, {51545, 28}, {52281, 1}, {50538, 1},
    {52230, 1}, {52305, 2},  {35804, 1}, {52028, 2}, {52352, 10}, {40404, 5},  {41399, 3}, {24007, 1},
    {24006, 1}, {38400, 60}, {52224, 3}, {21287, 2}, {20903, 1},  {51594, 1},  {32408, 2}, {20973, 2},
    {52256, 4}, {52260, 2},  {31708, 3}, {52465, 2}, {52466, 2},
};

const std::vector<std::string> kNames = {
    "Piekarnia Złoty Kłos Sp. z o.o.", "Żuraw Transport S.A.", "Zakład Ślusarski Źdźbło", "Hurtownia \"Pod Lipą\"",
    "Jan Kowalski", "Małgorzata Wiśniewska-Dąbrowska", "Biuro Rachunkowe, Kraków",
    "Przedsiębiorstwo Produkcyjno-Handlowo-Usługowe Grzegorz Brzęczyszczykiewicz i Wspólnicy",
};
const std::vector<std::string> kAddresses = {
    "ul. Piekarska 12, 31-042 Kraków", "80-001 Gdańsk, ul. Długa 5", "os. Słoneczne 3 15-001 Białystok",
    "Wrocławska 8 50-001 Wrocław", "Warszawa, al. Jerozolimskie 100", "00-950 Warszawa, Polna 7", "",
};
const std::vector<std::string> kAccounts = {"201-K", "731-1", "221-2", "732-1", "201-K-KRAJ", "", "490"};
const std::vector<std::string> kDescriptions = {"Sprzedaż", "Netto", "Vat", "Opakowania \"zwrotne\"", "", "Usługi"};

std::string Date(int year, int month, int day) {
    char text[11];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string Amount(SeededRandom& random) {
    char text[24];
    std::snprintf(text, sizeof text, "%s%d.%02d", random.Chance(5) ? "-" : "", static_cast<int>(random.Below(20000)),
                  static_cast<int>(random.Below(100)));
    return text;
}

// The numbers in the first column of a table file of the company.
std::vector<std::string> Keys(const fs::path& file) {
    std::vector<std::string> keys;
    for (const CsvRow& row : ParseCsv(ReadFile(file), file.filename().string()).rows)
        if (!row.fields.empty()) keys.push_back(row.fields.front());
    if (keys.empty()) throw std::runtime_error(file.string() + ": a random day needs at least one row");
    return keys;
}

// A day adds a few documents and removes them again: the company stays of one size however long
// the day, so that the host's memory says something of the plug-in's.
constexpr std::size_t kAddedAtMost = 5;

class DayWriter {
public:
    DayWriter(std::uint64_t seed, const fs::path& company, const fs::path& folder)
        : random_(seed), folder_(folder), customers_(Keys(company / "customers.csv")),
          documents_(Keys(company / "documents.csv")) {}

    std::vector<std::string> Write(std::size_t count) {
        while (lines_.size() < count) {
            const std::size_t roll = random_.Below(100);
            if (roll < 15) {
                Change();
                continue;
            }
            if (random_.Chance(40) && lines_.size() + 2 < count) Failure();
            if (roll < 62) Export();
            else if (roll < 74) Scheme();
            else if (roll < 80) lines_.push_back("form");
            else if (roll < 88) lines_.push_back("withdraw");
            else if (roll < 95) lines_.push_back("reload");
            else lines_.push_back("refused-load");
        }
        lines_.resize(count);
        return lines_;
    }

private:
    void Failure() {
        const std::size_t roll = random_.Below(100);
        const char* file = random_.Chance(50) ? teta::kRegisterFileName : teta::kAccountsFileName;
        if (roll < 86) {
            const FailingService& service = random_.Pick(kFailingServices);
            lines_.push_back(std::string("host-failure ") + random_.Pick(ways_).name);
            lines_.push_back("throw-in " + std::to_string(service.number) + ":" + std::to_string(1 + random_.Below(service.calls)));
        } else {
            lines_.push_back((roll < 93 ? "full-disk " : "unwritable ") + ScriptWord(file));
        }
    }

    void Export() {
        std::string line = "export";
        const int year = random_.Chance(80) ? 2024 : 2023 + static_cast<int>(random_.Below(3));
        const int month = 1 + static_cast<int>(random_.Below(12));
        const std::size_t period = random_.Below(10);
        if (period < 5) line += " --from " + Date(year, month, 1) + " --to " + Date(year, month, 28);
        else if (period < 7) line += " --from " + Date(year, 1, 1) + " --to " + Date(year, 12, 31);
        else if (period < 8) line += " --from " + Date(year, month, 15) + " --to " + Date(year, month, 1);
        else if (period < 9) line += " --from \"\"";
        if (random_.Chance(85)) line += " --invoices";
        else if (random_.Chance(50)) line += " --no-invoices";
        if (random_.Chance(8)) line += " --cancel";
        if (random_.Chance(70)) line += " --today " + Date(2024 + static_cast<int>(random_.Below(2)), month, 2);
        lines_.push_back(line);
    }

    void Scheme() {
        if (random_.Chance(25)) {
            lines_.push_back("scheme");
            return;
        }
        const std::string name = "scheme-" + std::to_string(lines_.size() + 1) + ".csv";
        std::ofstream file(folder_ / name, std::ios::binary);
        file << "entry,debit_code,debit_account,credit_code,credit_account,description,short_code,number\n";
        for (int entry = 0; entry < 14; ++entry) {
            if (!random_.Chance(25)) continue;
            const bool debit = random_.Chance(40);
            const int code = random_.Chance(10) ? 0 : 1 + static_cast<int>(random_.Below(32));
            file << entry << ',' << (debit ? code : 0) << ',' << CsvField(random_.Pick(kAccounts)) << ','
                 << (debit ? 0 : code) << ',' << CsvField(random_.Pick(kAccounts)) << ','
                 << CsvField(random_.Pick(kDescriptions)) << ",," << random_.Below(10) << "\n";
        }
        if (!file.flush()) throw std::runtime_error((folder_ / name).string() + ": cannot be written");
        lines_.push_back("scheme --edit " + name + (random_.Chance(30) ? " --abandon" : ""));
    }

    void Change() {
        const std::size_t roll = random_.Below(100);
        const std::string document = ScriptWord(random_.Pick(documents_)), customer = random_.Pick(customers_);
        if (roll < 20)
            lines_.push_back("customer " + customer + " name " + ScriptWord(random_.Pick(kNames)));
        else if (roll < 30)
            lines_.push_back("customer " + customer + " address " + ScriptWord(random_.Pick(kAddresses)));
        else if (roll < 45)
            lines_.push_back("document " + document + " amount_" + std::to_string(1 + random_.Below(3)) + " " + Amount(random_));
        else if (roll < 52)
            lines_.push_back("document " + document + " included " + std::to_string(random_.Below(2)));
        else if (roll < 58)
            lines_.push_back("document " + document + " date " + Date(2024, 1 + static_cast<int>(random_.Below(12)), 10));
        else if (roll < 72 && added_.size() < kAddedAtMost)
            AddDocument();
        else if (roll < 80 && !added_.empty())
            RemoveDocument();
        else if (roll < 88)
            lines_.push_back("ini Klarvo.ini Klarvo OpcjeWstep \"1," + std::to_string(20240101 + 100 * random_.Below(12)) +
                             ",20241231\"");
        else if (roll < 94)
            lines_.push_back("ini config.ini ToburDekrSpr");
        else
            lines_.push_back("ini config.ini ToburDekrSpr Dekret_" + std::to_string(random_.Below(14)) + " zepsute");
    }

    void AddDocument() {
        const std::string number = "FV/D" + std::to_string(lines_.size() + 1) + "/2024";
        const std::string net = Amount(random_);
        lines_.push_back("add-document " + ScriptWord("number=" + number) + " date=" +
                         Date(2024, 1 + static_cast<int>(random_.Below(12)), 1 + static_cast<int>(random_.Below(28))) +
                         " customer=" + (random_.Chance(90) ? random_.Pick(customers_) : "0") + " amount_1=" + net +
                         " amount_2=" + Amount(random_) + " amount_3=" + Amount(random_));
        added_.push_back(number);
        documents_.push_back(number);
    }

    void RemoveDocument() {
        lines_.push_back("remove-document " + ScriptWord(added_.back()));
        documents_.erase(std::find(documents_.begin(), documents_.end(), added_.back()));
        added_.pop_back();
    }

    SeededRandom random_;
    fs::path folder_;
    std::vector<std::string> customers_, documents_, added_;
    // Each failure of a service is raised in one of the ways this target's host knows, at random.
    const std::vector<FailureWayName> ways_{RaisableWays().begin(), RaisableWays().end()};
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> RandomDay(std::size_t count, std::uint64_t seed, const fs::path& company, const fs::path& folder) {
    return DayWriter(seed, company, folder).Write(count);
}

}  // namespace klarvo::sim
