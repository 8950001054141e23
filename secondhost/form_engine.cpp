// The host's form engine: a module's own form from its description (24007), run over the data it
// edits as the user answers it, and the host's posting-scheme editor (24006) over the
// posting-scheme buffer, its pick fields filled from the module's list-item provider. Both call
// the module's object as this compiler calls virtual operations.

#include "secondhost/dialog_parts.h"
#include "secondhost/form_reading.h"
#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

namespace morvel {

extern PostingSchemeEntry g_schemeBuffer[kSchemeEntries];

namespace {

constexpr int kDateRoom = 9;  // a host date string and its NUL
constexpr int kCaptionRoom = 64;

// A control that edits the form's data, and where its part of the data lies.
struct EditedPart {
    const FormControl* control;
    char* at;
};

// The base class's operations that the host implements, called on the object as the engine calls
// them: each must reach the host's own operation of its entry, with the object as `this`.
void AskEveryOperation(ServiceCall& call, WDialogBase* object) {
    struct Operation {
        int entry;
        void (WDialogBase::*call)();
    };
#define MORVEL_OPERATION_ROW(X, entry, number) {entry, &WDialogBase::Operation##entry},
    static constexpr Operation kOperations[] = {MORVEL_HOST_OPERATIONS(MORVEL_OPERATION_ROW, unused)};
#undef MORVEL_OPERATION_ROW
    for (const Operation& operation : kOperations) {
        Reached(0, nullptr);
        (object->*operation.call)();
        call.Require(ReachedLast(operation.entry, object),
                     "the object's virtual table does not lead an operation of the host's to the host's own operation "
                     "of its entry");
    }
}

// The parts of the data that the editing controls fill, in their order: an input field a host
// date string, a check box a 16-bit word of flags.
int EditedParts(const FormBlock& form, void* data, EditedPart* parts) {
    int count = 0;
    char* at = static_cast<char*>(data);
    for (int i = 0; i < form.controlCount; ++i) {
        const FormControl& control = form.controls[i];
        if (!(control.flags & kEditsRecord) || (control.kind != kInputField && control.kind != kCheckBox)) continue;
        parts[count++] = {&control, at};
        at += control.kind == kInputField ? kDateRoom : 2;
    }
    return count;
}

bool Ticked(const char* at) {
    uint16_t flags;
    memcpy(&flags, at, sizeof flags);
    return flags & 1;
}

void Tick(char* at, bool ticked) {
    uint16_t flags;
    memcpy(&flags, at, sizeof flags);
    flags = static_cast<uint16_t>(ticked ? flags | 1 : flags & ~1u);
    memcpy(at, &flags, sizeof flags);
}

void Draw(const FormBlock& form, const EditedPart* parts, int partCount) {
    MorvelFormControl controls[FormBlock::kRoom];
    char shown[FormBlock::kRoom][kDateRoom];
    for (int i = 0; i < form.controlCount; ++i) {
        const FormControl& control = form.controls[i];
        shown[i][0] = '\0';
        for (int p = 0; p < partCount; ++p)
            if (parts[p].control == &control) {
                if (control.kind == kInputField)
                    CopyBounded(shown[i], kDateRoom, parts[p].at);
                else
                    CopyBounded(shown[i], kDateRoom, Ticked(parts[p].at) ? "x" : "");
            }
        controls[i] = {control.kind, control.column, control.row, control.width, control.height, control.caption, shown[i]};
    }
    g_core->form_drawn(form.title, form.width, form.height, controls, form.controlCount);
}

// The user fills the fields in their order: the first date, the second date, the check box.
void Answer(const EditedPart* parts, int partCount, const MorvelRangeAnswers& answers) {
    const char* dates[2] = {answers.dateFrom, answers.dateTo};
    int date = 0;
    for (int p = 0; p < partCount; ++p) {
        if (parts[p].control->kind == kCheckBox) {
            if (answers.invoices >= 0) Tick(parts[p].at, answers.invoices == 1);
        } else if (date < 2) {
            if (dates[date]) CopyBounded(parts[p].at, kDateRoom, dates[date]);
            ++date;
        }
    }
}

// The button whose caption shows these words at its end.
const FormControl* Button(const FormBlock& form, const char* shows) {
    const size_t length = strlen(shows);
    for (int i = 0; i < form.controlCount; ++i) {
        char visible[kCaptionRoom];
        VisibleCaption(form.controls[i].caption, visible, kCaptionRoom);
        const size_t visibleLength = strlen(visible);
        if (form.controls[i].kind == kButton && visibleLength >= length && SameText(visible + visibleLength - length, shows))
            return &form.controls[i];
    }
    return nullptr;
}

// The amount names that the object's list-item provider gives one pick field, without their
// leading blank.
constexpr int kNameRoom = 32;
constexpr int kNamesRoom = 64;
char g_names[kNamesRoom][kNameRoom];
const char* g_namePointers[kNamesRoom];

int AskAmountNames(ServiceCall& call, WDialogBase* object) {
    int count = 0;
    for (int field = 0; field < kAmountPickFields; ++field) {
        const intptr_t entries = object->ListItem(-1, 0);
        if (!call.Require(entries > 0 && entries <= kNamesRoom, "a list of another number of entries than the host shows"))
            return 0;
        for (int i = 0; i < entries; ++i) {
            const auto* text = reinterpret_cast<const char*>(object->ListItem(static_cast<int16_t>(i), 0));
            call.Require(text == ListText() && ListTextGuarded(), "a list entry outside the host's list-text buffer");
            call.Require(text[0] == ' ', "a list entry without its leading blank");
            if (field == 0)
                CopyBounded(g_names[i], kNameRoom, text + 1);
            else
                call.Require(SameText(g_names[i], text + 1), "the amount pick fields got different lists");
        }
        if (field == 0) count = static_cast<int>(entries);
        call.Require(entries == count, "the amount pick fields got lists of different lengths");
    }
    for (int i = 0; i < count; ++i) g_namePointers[i] = g_names[i];
    return count;
}

// An entry's text field as a text, whether or not its NUL is there: `text` has a byte more.
const char* FieldText(const char* field, size_t room, char* text) {
    memcpy(text, field, room);
    text[room] = '\0';
    return text;
}

void TypeInto(PostingSchemeEntry& entry, const MorvelSchemeEntry& typed) {
    entry.debitCode = static_cast<int16_t>(typed.debitCode);
    CopyBounded(entry.debitAccount, sizeof entry.debitAccount, typed.debitAccount);
    entry.creditCode = static_cast<int16_t>(typed.creditCode);
    CopyBounded(entry.creditAccount, sizeof entry.creditAccount, typed.creditAccount);
    CopyBounded(entry.description, sizeof entry.description, typed.description);
    CopyBounded(entry.shortCode, sizeof entry.shortCode, typed.shortCode);
    entry.number = static_cast<int16_t>(typed.number);
}

void ListScheme(int nameCount) {
    static char texts[kSchemeEntries][4][42];
    MorvelSchemeEntry entries[kSchemeEntries];
    for (int k = 0; k < kSchemeEntries; ++k) {
        const PostingSchemeEntry& e = g_schemeBuffer[k];
        entries[k] = {e.debitCode,
                      FieldText(e.debitAccount, sizeof e.debitAccount, texts[k][0]),
                      e.creditCode,
                      FieldText(e.creditAccount, sizeof e.creditAccount, texts[k][1]),
                      FieldText(e.description, sizeof e.description, texts[k][2]),
                      FieldText(e.shortCode, sizeof e.shortCode, texts[k][3]),
                      e.number};
    }
    g_core->scheme_listed(entries, g_namePointers, nameCount);
}

}  // namespace
}  // namespace morvel

using namespace morvel;

uint16_t WDialogBase::RunForm(const void* description, int form, void* data, int callback) {
    ServiceCall call = Serve<24007>();
    call.Require(MadeByHost(this), "a form run for an object with no dialog base part");
    call.Require(LiveCallbacksOf(RangeFormData(), callback) > 0,
                 "a form run without a live callback value of the range form's data item");
    static FormBlock forms[4];
    const char* fault = nullptr;
    const int count = ReadFormDescription(static_cast<const unsigned char*>(description), forms, 4, &fault);
    if (!call.Require(count > 0, fault)) return call.Done(kAbandoned);
    const FormBlock* shown = nullptr;
    for (int i = 0; i < count; ++i)
        if (forms[i].number == form) shown = &forms[i];
    if (!call.Require(shown && form == kRangeForm, "a form run with an unknown number")) return call.Done(kAbandoned);
    const FormControl* confirm = Button(*shown, "OK");
    const FormControl* abandon = Button(*shown, "Anuluj");
    const FormControl* config = Button(*shown, "Konfig");
    if (!call.Require(confirm && abandon && config, "a form without the buttons \"OK\", \"Anuluj\" and \" Konfig\""))
        return call.Done(kAbandoned);
    AskEveryOperation(call, this);
    EditedPart parts[FormBlock::kRoom];
    const int partCount = EditedParts(*shown, data, parts);
    MorvelRangeAnswers answers;
    g_core->range_answers(&answers);
    if (answers.draw) Draw(*shown, parts, partCount);
    Answer(parts, partCount, answers);
    for (int press = 0; press < answers.configPresses; ++press) Command(config->command, kButtonPressed);
    g_core->form_left(answers.cancel);
    return call.Done(answers.cancel ? abandon->command : confirm->command);
}

uint16_t WDialogBase::RunHostForm(int form, void* data, int first, int v1, int v2, int v3, int v4, int v5, int v6,
                                  int v7, int v8, int v9, int v10, int v11, int v12, int v13, int v14, int v15, int v16,
                                  int v17, int v18, int v19, int v20, int v21, int v22, int v23, int v24, int v25,
                                  int v26, int v27, int v28, int last) {
    ServiceCall call = Serve<24006>();
    call.Require(MadeByHost(this), "the scheme editor run for an object with no dialog base part");
    call.Require(form == kSchemeEditorForm, "a host form run with an unknown number");
    call.Require(data == g_schemeBuffer, "the scheme editor run over something else than the posting-scheme buffer");
    call.Require(first == 0 && last == 0, "the scheme editor run with arguments other than 0 around the callback values");
    const int values[kAmountPickFields] = {v1,  v2,  v3,  v4,  v5,  v6,  v7,  v8,  v9,  v10, v11, v12, v13, v14,
                                           v15, v16, v17, v18, v19, v20, v21, v22, v23, v24, v25, v26, v27, v28};
    bool live = LiveCallbacksOf(SchemeEditorData(), values[0]) >= kAmountPickFields;
    for (const int value : values) live &= value == values[0];
    call.Require(live, "the scheme editor run without a live callback value of its data item for each amount pick field");
    const int names = AskAmountNames(call, this);
    int abandon = 0;
    const int typed = g_core->editor_visit(&abandon);
    for (int t = 0; t < typed; ++t) {
        int index = 0;
        MorvelSchemeEntry entry;
        g_core->typed_entry(t, &index, &entry);
        if (call.Require(index >= 0 && index < kSchemeEntries, "an entry typed into the editor outside its 14"))
            TypeInto(g_schemeBuffer[index], entry);
    }
    ListScheme(names);
    return call.Done(abandon ? kAbandoned : kConfirmed);
}
