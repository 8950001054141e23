#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "src/export/customer_marks.h"

namespace klarvo::exporting {
namespace {

struct MarkCase {
    std::int32_t number;
    int company;  // index marked among companies, or -1
    int person;   // index marked among natural persons, or -1
};

class Marks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(Marks, SetExactlyTheCustomersOwnMark) {
    std::vector<unsigned char> companies(kCustomerMarkCount), persons(kCustomerMarkCount);
    MarkCustomer(companies.data(), persons.data(), GetParam().number);
    MarkCustomer(companies.data(), persons.data(), GetParam().number);  // a second document
    for (int i = 0; i < static_cast<int>(kCustomerMarkCount); ++i) {
        ASSERT_EQ(companies[i], i == GetParam().company ? 1 : 0) << i;
        ASSERT_EQ(persons[i], i == GetParam().person ? 1 : 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CustomerMarks, Marks,
                         ::testing::Values(MarkCase{7, 7, -1}, MarkCase{-7, -1, 7}, MarkCase{1, 1, -1},
                                           MarkCase{65999, 65999, -1}, MarkCase{-65999, -1, 65999},
                                           MarkCase{0, -1, -1}, MarkCase{66000, -1, -1},
                                           MarkCase{-66000, -1, -1}, MarkCase{INT_MIN, -1, -1},
                                           MarkCase{INT_MAX, -1, -1}));

}  // namespace
}  // namespace klarvo::exporting
