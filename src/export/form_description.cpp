#include "src/export/form_description.h"

#include <array>
#include <span>
#include <string>

#include "src/host/forms.h"
#include "src/host/mazovia.h"
#include "src/posting/posting_scheme.h"

namespace klarvo::exporting {
namespace {

using namespace host;

struct Control {
    ControlKind kind;
    std::uint16_t command;
    std::uint16_t flags;
    std::uint16_t hotkey;  // upper-case letter, key code or 0
    std::uint16_t column, row, width, height;
    std::uint32_t value;
    const char* caption;  // "~" marks the hotkey letter; bytes 0x01 to 0x05 steer the engine
};

struct Form {
    std::uint16_t number;
    std::uint32_t flags;
    std::uint16_t width, height;
    const char* title;
    std::span<const Control> controls;
};

constexpr Control kRangeControls[] = {
    {kText, kNoCommand, 0, 'O', 2, 2, 3, 1, 0, "~O~d:"},
    {kInputField, kNoCommand, kEditsRecord, 0, 5, 2, 12, 1, 0, ""},  // date-from
    {kText, kNoCommand, 0, 'O', 18, 2, 3, 1, 0, "D~o~:"},
    {kInputField, kNoCommand, kEditsRecord, 0, 21, 2, 12, 1, 0, ""},  // date-to
    {kText, kNoCommand, 0, 0, 2, 4, 9, 1, 0, "Zakres:"},
    {kCheckBox, kNoCommand, kEditsRecord, 'S', 2, 5, 32, 1, 0, "Faktury ~s~przedaży"_mz},  // option bit 0
    {kText, kNoCommand, 0, 0, 1, 1, 1, 1, 0, ""},
    {kButton, posting::kSalesInvoiceScheme, 0x0580, 'N', 36, 5, 8, 1, 0, " Ko~n~fig"},
    // 0x05 and 0x01 around the key name: drawn as a key, taking no cell themselves.
    {kButton, kFormConfirmed, 0x0004, kF12Key, 8, 8, 16, 1, 0, "\x05" "F12" "\x01" " OK"},
    {kButton, kFormAbandoned, 0, 'A', 28, 8, 8, 1, 0, "~A~nuluj"},
};

constexpr Control kProcessingControls[] = {
    {kBox, kNoCommand, 0, 0, 3, 1, 42, 3, 3, ""},
    // 40 digits, split by four bytes that steer the engine.
    {kBar, 0x4003, 0, 0, 4, 2, 40, 1, 0, "1234567890\x05" "1234567890\x02" "12345\x03" "67890\x04" "1234567890"},
};

constexpr Form kForms[] = {
    {kRangeForm, 0, 46, 11, "Zakres eksportu dokumentów"_mz, kRangeControls},
    {kProcessingForm, 0x4008, 48, 5, "Przetwarzanie", kProcessingControls},
};

constexpr unsigned char kInputParameters[kInputParameterBytes] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 2, 2, 0, 8, 0, 1, 0};
constexpr std::size_t kControlHeaderSize = 20;
constexpr std::size_t kFormHeaderSize = 24;  // up to the title, size and count included

constexpr std::size_t TextSize(const char* text) { return std::char_traits<char>::length(text) + 1; }

constexpr std::size_t ControlSize(const Control& control) {
    const bool input = control.kind == kInputField;
    return (input ? 4 : 0) + kControlHeaderSize + (input ? sizeof kInputParameters : 0) + TextSize(control.caption);
}

constexpr std::size_t FormSize(const Form& form) {
    std::size_t size = kFormHeaderSize + TextSize(form.title);
    for (const Control& control : form.controls) size += ControlSize(control);
    return size;
}

constexpr std::size_t DescriptionSize() {
    std::size_t size = 4;
    for (const Form& form : kForms) size += FormSize(form);
    return size;
}

static_assert(FormSize(kForms[0]) == 4 + 362);
static_assert(FormSize(kForms[1]) == 4 + 120);
static_assert(DescriptionSize() == kFormDescriptionSize);

class Writer {
public:
    constexpr void Put16(std::uint32_t value) { PutLittleEndian(value, 2); }
    constexpr void Put32(std::uint32_t value) { PutLittleEndian(value, 4); }
    constexpr void PutText(const char* text) {
        for (std::size_t i = 0; i < TextSize(text); ++i) bytes[at++] = static_cast<unsigned char>(text[i]);
    }
    constexpr void PutBytes(std::span<const unsigned char> from) {
        for (const unsigned char byte : from) bytes[at++] = byte;
    }

    std::array<unsigned char, kFormDescriptionSize> bytes{};
    std::size_t at = 0;

private:
    constexpr void PutLittleEndian(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i) bytes[at++] = static_cast<unsigned char>(value >> (8 * i));
    }
};

constexpr void PutControl(Writer& out, const Control& control) {
    if (control.kind == kInputField) {
        out.Put16(kInputField);
        out.Put16(kInputFieldFixedPart);
    }
    out.Put16(control.kind);
    for (const std::uint16_t field : {control.command, control.flags, control.hotkey, control.column, control.row,
                                      control.width, control.height})
        out.Put16(field);
    out.Put32(control.value);
    if (control.kind == kInputField) out.PutBytes(kInputParameters);
    out.PutText(control.caption);
}

constexpr void PutForm(Writer& out, const Form& form) {
    out.Put16(static_cast<std::uint16_t>(FormSize(form) - 4));
    out.Put16(static_cast<std::uint16_t>(form.controls.size()));
    out.Put16(0xFFFF);
    out.Put16(form.number);
    out.Put32(form.flags);
    out.Put32(0);
    out.Put16(form.width);
    out.Put16(form.height);
    out.Put32(0);
    out.PutText(form.title);
    for (const Control& control : form.controls) PutControl(out, control);
}

constexpr std::array<unsigned char, kFormDescriptionSize> Describe() {
    Writer out;
    out.Put32(kFormDescriptionSize - 4);
    for (const Form& form : kForms) PutForm(out, form);
    if (out.at != kFormDescriptionSize) throw "the description does not fill its record";
    return out.bytes;
}

constexpr std::array<unsigned char, kFormDescriptionSize> kDescription = Describe();

}  // namespace

const unsigned char* FormDescription() { return kDescription.data(); }

}  // namespace klarvo::exporting
