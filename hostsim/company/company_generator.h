#pragma once
// Large made-up companies for trying the export at scale: customers.csv and documents.csv of a
// company folder, the same bytes for the same seed.

#include <cstdint>
#include <filesystem>

namespace klarvo::sim {

struct GeneratorOptions {
    std::int64_t documents = 1000;
    std::int64_t customers = 100;  // at most 131998: the numbers 1 to 65999 and -1 to -65999
    std::uint64_t seed = 1;
};

// Companies (60 %) and natural persons with Polish names and addresses in every shape the
// address split knows (and a few it does not), several documents per customer over 2024, with
// payment terms, VAT rates and amounts from a few złoty to some hundred thousand, a few negative.
// Throws std::invalid_argument for counts out of range, std::runtime_error when a file cannot
// be written.
void GenerateCompany(const std::filesystem::path& folder, const GeneratorOptions& options);

// Throws std::invalid_argument for counts out of range.
void CheckGeneratorOptions(const GeneratorOptions& options);

}  // namespace klarvo::sim
