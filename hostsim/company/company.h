#pragma once
// The company folder's tables, loaded into host records: customers (k4) and sales documents
// (Tspr) with their document amounts.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace klarvo::sim {

inline constexpr int kDocumentAmountCount = 32;

// A sales document header as the host keeps it: only the fields its Tspr record carries.
struct Document {
    std::string number;  // Mazovia
    char date[9] = "";   // host date string, or empty
    std::int16_t paymentDays = 0;
    std::int32_t customer = 0;
    std::int32_t included = 1;
    std::array<double, kDocumentAmountCount> amounts{};  // in ten-thousandths

    // Writes the fields into a Tspr record buffer whose other bytes are zero.
    void PutInto(char* record) const;
};

struct Company {
    std::vector<std::vector<char>> customers;  // k4 records, in file order
    std::unordered_map<std::int32_t, std::size_t> customerByNumber;
    std::vector<Document> documents;  // in file order
};

// Throws std::runtime_error naming file, line and column of the first bad value.
Company LoadCompany(const std::filesystem::path& folder);

}  // namespace klarvo::sim
