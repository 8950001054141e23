// The plug-in's form description, as bytes and as the host's form engine reads and draws it.

#include <gtest/gtest.h>

#include <vector>

#include "hostsim/forms/form_layout.h"
#include "src/export/form_description.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

std::vector<unsigned char> Description() {
    const unsigned char* bytes = exporting::FormDescription();
    return {bytes, bytes + exporting::kFormDescriptionSize};
}

TEST(FormDescription, IsTheRecordOfBothForms) {
    const std::string golden = Golden("form_description.bin");
    const std::vector<unsigned char> description = Description();
    EXPECT_EQ(std::string(description.begin(), description.end()), golden);
}

TEST(FormDescription, ReadsAsTheRangeFormAndTheProcessingForm) {
    const std::vector<sim::FormLayout> forms = sim::ReadFormDescription(exporting::FormDescription());
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].number, host::kRangeForm);
    EXPECT_EQ(forms[0].controls.size(), 10u);
    EXPECT_EQ(forms[1].number, host::kProcessingForm);
    EXPECT_EQ(forms[1].flags, 0x4008u);
    EXPECT_EQ(sim::VisibleCaption(forms[1].controls[1].caption), "1234567890123456789012345678901234567890");
}

// Offsets in the record: the range form's block starts at 4, its first control ("~O~d:") at 55.
struct Damage {
    const char* what;
    std::size_t offset;
    unsigned char byte;
    const char* complaint;
};

class DamagedDescriptions : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedDescriptions, AreRefusedByTheFormEngine) {
    std::vector<unsigned char> description = Description();
    description[GetParam().offset] = GetParam().byte;
    try {
        sim::ReadFormDescription(description.data());
        FAIL() << "accepted with " << GetParam().what;
    } catch (const sim::FormDescriptionError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().complaint), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedDescriptions,
    ::testing::Values(Damage{"a size short of the blocks", 0, 0xE0, "beyond the description"},
                      Damage{"a block one byte longer", 4, 0x6B, "bytes after the last"},
                      Damage{"a block one byte shorter", 4, 0x69, "without its NUL"},
                      Damage{"a control too many", 6, 11, "ends inside"},
                      Damage{"a control too few", 6, 9, "bytes after the last"},
                      Damage{"no value 0xFFFF", 8, 0, "0xFFFF"},
                      Damage{"an unknown kind", 55, 9, "unknown kind 9"},
                      Damage{"a hotkey that is not marked", 61, 'P', "not the marked letter"},
                      Damage{"a control past the right edge", 63, 45, "outside its form"},
                      Damage{"an unpaired mark", 77, 'x', "do not enclose one letter"},
                      Damage{"a title without its NUL", 54, 'x', "form block 1"}));

TEST(RangeForm, IsDrawnWithTheStoredSettings) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    company.Write("Klarvo.ini", "[Klarvo]\nOpcjeWstep = 1,20240101,20240131\n");
    sim::HostOptions options;
    options.form.draw = true;
    options.form.cancel = true;
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    ASSERT_EQ(outcome.formPictures.size(), 1u);
    EXPECT_EQ(outcome.formPictures[0], Golden("range_form.txt"));
}

}  // namespace
}  // namespace klarvo::test
