#include "hostsim/forms/form_layout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace klarvo::sim {
namespace {

constexpr std::uint32_t kLargestDescription = 64 * 1024;

bool IsEngineByte(char c) { return c >= 0x01 && c <= 0x05; }

// Reads little-endian fields within the bounds of one block.
class Reader {
public:
    Reader(const unsigned char* bytes, std::size_t size, std::string where)
        : bytes_(bytes), size_(size), where_(std::move(where)) {}

    std::uint32_t Number(int width) {
        Need(static_cast<std::size_t>(width), "a number");
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) value |= std::uint32_t{bytes_[at_++]} << (8 * i);
        return value;
    }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Number(2)); }
    std::string Text() {
        const auto* end = static_cast<const unsigned char*>(std::memchr(bytes_ + at_, 0, size_ - at_));
        if (!end) Fail("a text without its NUL");
        std::string text(reinterpret_cast<const char*>(bytes_ + at_), static_cast<std::size_t>(end - bytes_ - at_));
        at_ += text.size() + 1;
        return text;
    }
    void Skip(std::size_t count) {
        Need(count, "fixed bytes");
        at_ += count;
    }
    bool AtEnd() const { return at_ == size_; }
    std::size_t At() const { return at_; }
    [[noreturn]] void Fail(const std::string& what) const {
        throw FormDescriptionError(where_ + ", byte " + std::to_string(at_) + ": " + what);
    }

private:
    void Need(std::size_t count, const char* what) const {
        if (size_ - at_ < count) Fail(std::string("the block ends inside ") + what);
    }

    const unsigned char* bytes_;
    std::size_t size_;
    std::string where_;
    std::size_t at_ = 0;
};

void CheckCaption(const ControlLayout& control, const Reader& in) {
    const std::string& caption = control.caption;
    const auto marks = std::count(caption.begin(), caption.end(), '~');
    const std::size_t open = caption.find('~');
    if (marks != 0 && (marks != 2 || caption.find('~', open + 1) != open + 2))
        in.Fail("a caption whose \"~\" marks do not enclose one letter: \"" + caption + "\"");
    const bool letterKey = control.hotkey != 0 && control.hotkey < host::kKeyCodes;
    if (letterKey != (marks == 2) ||
        (letterKey && std::toupper(static_cast<unsigned char>(caption[open + 1])) != control.hotkey))
        in.Fail("a hotkey that is not the marked letter of \"" + caption + "\"");
    if (VisibleCaption(caption).size() > control.width)
        in.Fail("a caption wider than its control: \"" + caption + "\"");
}

ControlLayout ReadControl(Reader& in, const FormLayout& form) {
    ControlLayout control{};
    control.kind = in.Word();
    if (control.kind == host::kInputField && in.Word() != host::kInputFieldFixedPart)
        in.Fail("an input field whose fixed part is not " + std::to_string(host::kInputFieldFixedPart) + " bytes");
    if (control.kind == host::kInputField && in.Word() != host::kInputField) in.Fail("an input field whose header is no input field");
    for (std::uint16_t* field : {&control.command, &control.flags, &control.hotkey, &control.column, &control.row,
                                 &control.width, &control.height})
        *field = in.Word();
    control.value = in.Number(4);
    if (control.kind == host::kInputField) in.Skip(host::kInputParameterBytes);
    control.caption = in.Text();
    const std::uint16_t known[] = {host::kButton, host::kCheckBox, host::kText, host::kBar, host::kInputField, host::kBox};
    if (std::find(std::begin(known), std::end(known), control.kind) == std::end(known))
        in.Fail("a control of unknown kind " + std::to_string(control.kind));
    if (control.width == 0 || control.height == 0 || control.column + control.width > form.width ||
        control.row + control.height > form.height)
        in.Fail("a control outside its form");
    CheckCaption(control, in);
    return control;
}

FormLayout ReadForm(Reader& block) {
    FormLayout form{};
    const std::uint16_t count = block.Word();
    if (block.Word() != 0xFFFF) block.Fail("a form block without its value 0xFFFF");
    form.number = block.Word();
    form.flags = block.Number(4);
    block.Skip(4);
    form.width = block.Word();
    form.height = block.Word();
    block.Skip(4);
    form.title = block.Text();
    if (form.width == 0 || form.height == 0 || VisibleCaption(form.title).size() + 4 > form.width)
        block.Fail("a form too small for its title");
    for (std::uint16_t i = 0; i < count; ++i) form.controls.push_back(ReadControl(block, form));
    if (!block.AtEnd()) block.Fail("bytes after the last of the block's " + std::to_string(count) + " controls");
    return form;
}

}  // namespace

std::string VisibleCaption(const std::string& caption) {
    std::string visible;
    for (const char c : caption)
        if (c != '~' && !IsEngineByte(c)) visible.push_back(c);
    return visible;
}

std::vector<FormLayout> ReadFormDescription(const unsigned char* description) {
    if (!description) throw FormDescriptionError("no form description");
    Reader whole(description, 4, "the form description");
    const std::uint32_t size = whole.Number(4);
    if (size == 0 || size > kLargestDescription) throw FormDescriptionError("a form description of size " + std::to_string(size));
    std::vector<FormLayout> forms;
    for (std::size_t at = 4; at < 4 + size;) {
        Reader head(description + at, 4 + size - at, "form block " + std::to_string(forms.size() + 1));
        const std::uint16_t body = head.Word();
        if (at + 4 + body > 4 + size) head.Fail("a block of " + std::to_string(body) + " bytes beyond the description");
        Reader block(description + at + 2, 2u + body, "form block " + std::to_string(forms.size() + 1));
        forms.push_back(ReadForm(block));
        at += 4u + body;
    }
    return forms;
}

}  // namespace klarvo::sim
