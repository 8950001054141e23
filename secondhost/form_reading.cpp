#include "secondhost/form_reading.h"

#include "secondhost/host_runtime.h"

namespace morvel {
namespace {

// A reader of little-endian values that never reads past its end.
class Bytes {
public:
    Bytes(const unsigned char* at, uint32_t size) : at_(at), end_(at + size) {}

    bool Word(uint16_t& value) {
        if (end_ - at_ < 2) return false;
        value = static_cast<uint16_t>(at_[0] | at_[1] << 8);
        at_ += 2;
        return true;
    }
    bool Long(uint32_t& value) {
        uint16_t low, high;
        if (!Word(low) || !Word(high)) return false;
        value = low | static_cast<uint32_t>(high) << 16;
        return true;
    }
    bool Skip(uint32_t count) {
        if (static_cast<uint32_t>(end_ - at_) < count) return false;
        at_ += count;
        return true;
    }
    // A NUL-terminated text that ends before the end.
    bool Text(const char*& text) {
        const unsigned char* nul = at_;
        while (nul < end_ && *nul) ++nul;
        if (nul == end_) return false;
        text = reinterpret_cast<const char*>(at_);
        at_ = nul + 1;
        return true;
    }
    const unsigned char* At() const { return at_; }
    bool Ended() const { return at_ == end_; }

private:
    const unsigned char* at_;
    const unsigned char* end_;
};

bool KnownKind(uint16_t kind) {
    return kind == kButton || kind == kCheckBox || kind == kText || kind == kBar || kind == kInputField || kind == kBox;
}

// The letter between the caption's "~" marks: 0 when none, -1 when the marks do not pair.
int MarkedLetter(const char* caption) {
    int letter = 0;
    int marks = 0;
    for (const char* at = caption; *at; ++at)
        if (*at == '~') {
            if (++marks % 2 == 1 && at[1] && at[2] == '~') letter = static_cast<unsigned char>(at[1]);
        }
    return marks % 2 ? -1 : letter;
}

int UpperCase(int letter) { return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter; }

// The input field's fixed part: its kind, this length, then its header and parameters.
constexpr uint16_t kInputFieldFixedPart = 38;
constexpr uint32_t kInputParameters = 18;

bool ReadControl(Bytes& bytes, FormControl& control, const char** fault) {
    uint16_t first;
    if (!bytes.Word(first)) return *fault = "a control that ends early", false;
    if (first == kInputField) {
        uint16_t fixed;
        if (!bytes.Word(fixed) || fixed != kInputFieldFixedPart)
            return *fault = "an input field without the length of its fixed part", false;
        if (!bytes.Word(control.kind) || control.kind != kInputField)
            return *fault = "an input field whose header is of another kind", false;
    } else {
        control.kind = first;
    }
    if (!KnownKind(control.kind)) return *fault = "a control of an unknown kind", false;
    if (!bytes.Word(control.command) || !bytes.Word(control.flags) || !bytes.Word(control.hotkey) ||
        !bytes.Word(control.column) || !bytes.Word(control.row) || !bytes.Word(control.width) ||
        !bytes.Word(control.height) || !bytes.Long(control.value))
        return *fault = "a control header that ends early", false;
    if (control.kind == kInputField && !bytes.Skip(kInputParameters))
        return *fault = "an input field whose parameters end early", false;
    if (!bytes.Text(control.caption)) return *fault = "a caption without its NUL", false;
    const int letter = MarkedLetter(control.caption);
    if (letter < 0) return *fault = "a caption whose hotkey marks do not pair", false;
    if (control.hotkey && !(control.hotkey & kKeyCode) && UpperCase(letter) != control.hotkey)
        return *fault = "a hotkey that is not the caption's marked letter", false;
    return true;
}

bool ReadForm(Bytes& bytes, FormBlock& form, const char** fault) {
    uint16_t bodySize, controls, value;
    uint32_t reserved;
    if (!bytes.Word(bodySize) || !bytes.Word(controls)) return *fault = "a form block that ends early", false;
    const unsigned char* body = bytes.At();
    if (!bytes.Word(value) || !bytes.Word(form.number) || !bytes.Long(form.flags) || !bytes.Long(reserved) ||
        !bytes.Word(form.width) || !bytes.Word(form.height) || !bytes.Long(reserved) || !bytes.Text(form.title))
        return *fault = "a form header that ends early", false;
    if (controls > FormBlock::kRoom) return *fault = "a form of more controls than the engine shows", false;
    form.controlCount = controls;
    for (int i = 0; i < controls; ++i) {
        FormControl& control = form.controls[i];
        if (!ReadControl(bytes, control, fault)) return false;
        if (control.column + control.width > form.width || control.row + control.height > form.height)
            return *fault = "a control outside its form", false;
    }
    if (bytes.At() - body != bodySize) return *fault = "a form block whose size is not what it holds", false;
    return true;
}

}  // namespace

int ReadFormDescription(const unsigned char* description, FormBlock* forms, int room, const char** fault) {
    const uint32_t size = description[0] | description[1] << 8 | description[2] << 16 | static_cast<uint32_t>(description[3]) << 24;
    Bytes bytes(description + 4, size);
    int count = 0;
    while (!bytes.Ended()) {
        if (count == room) return *fault = "a description of more forms than the engine keeps", 0;
        if (!ReadForm(bytes, forms[count++], fault)) return 0;
    }
    if (count == 0) return *fault = "a description without a form", 0;
    return count;
}

void VisibleCaption(const char* caption, char* shown, int room) {
    int length = 0;
    for (const char* at = caption; *at && length + 1 < room; ++at)
        if (*at != '~' && (*at < 0x01 || *at > 0x05)) shown[length++] = *at;
    shown[length] = '\0';
}

}  // namespace morvel
