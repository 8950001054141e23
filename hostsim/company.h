#pragma once
// The company folder's tables, loaded into host records: customers (k4) and sales documents
// (Tspr) with their document amounts.

#include <array>
#include <cstdint>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace klarvo::sim {

inline constexpr int kDocumentAmountCount = 32;

struct Document {
    std::vector<char> record;  // a Tspr record
    std::array<double, kDocumentAmountCount> amounts{};  // in ten-thousandths
};

struct Company {
    std::vector<std::vector<char>> customers;  // k4 records, in file order
    std::unordered_map<std::int32_t, std::size_t> customerByNumber;
    std::vector<Document> documents;  // in file order
};

// Throws std::runtime_error naming file, line and column of the first bad value.
Company LoadCompany(const std::filesystem::path& folder);

}  // namespace klarvo::sim
