// The dialog base part, callback objects, the form engine (24007) and the posting-scheme
// editor (24006, form 1254). The simulated user's actions come from the host's options.

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "hostsim/forms/form_layout.h"
#include "hostsim/forms/form_picture.h"
#include "hostsim/forms/scheme_listing.h"
#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "src/host/dialog.h"
#include "src/host/forms.h"
#include "src/host/services.h"

// The host's data items, exported under their numbers: only their addresses matter.
extern "C" {
extern const int klarvo_data_20936;
extern const int klarvo_data_20907;
const int klarvo_data_20936 = 20936;
const int klarvo_data_20907 = 20907;
}

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- the dialog base part and the host's own operations on it

const void* const kHostDialogTable[kDialogOperationCount] = {};

void KLARVO_THISCALL MakeDialogBase(WDialogBase* dialog) {
    Host& host = Host::Active();
    host.Require(host.dialogs.parts.insert(dialog).second, "a dialog base part made twice");
    dialog->virtualTable = kHostDialogTable;
}

void KLARVO_THISCALL EndDialogBase(WDialogBase* dialog) {
    Host& host = Host::Active();
    host.Require(host.dialogs.parts.erase(dialog) == 1, "a dialog base part ended that was not made");
}

// Every operation of the base class that the host implements notes that it was reached, and on
// which object.
template <std::uint16_t Service>
void KLARVO_THISCALL HostOperation(WDialogBase* self) {
    Host::Active().dialogs.operationCalls.push_back({Service, self});
}

template <std::size_t Entry>
void AddHostOperation(ExportTable& table) {
    constexpr std::uint16_t service = kDialogOperationServices[Entry];
    if constexpr (service != 0) table.insert(ExportServed<DialogOperation, service, &HostOperation<service>>());
}

template <std::size_t... Entry>
ExportTable HostOperations(std::index_sequence<Entry...>) {
    ExportTable table;
    (AddHostOperation<Entry>(table), ...);
    return table;
}

// ---- callback objects: their value names the host data item they were built from

const int& kRangeFormItem = klarvo_data_20936;
const int& kSchemeEditorItem = klarvo_data_20907;

int KLARVO_THISCALL ItemOfCallback(CallbackStorage* callback) {
    Host& host = Host::Active();
    const auto found = host.dialogs.callbacks.find(callback);
    host.Require(found != host.dialogs.callbacks.end(), "the value of a destroyed callback object");
    return *static_cast<const int*>(found->second);
}
const void* const kCallbackTable[2] = {nullptr, reinterpret_cast<const void*>(&ItemOfCallback)};

CallbackStorage* KLARVO_THISCALL MakeCallback(CallbackStorage* callback, WDialogBase* owner, DataItem item) {
    Host& host = Host::Active();
    const void* data = reinterpret_cast<const void*>(item);
    host.Require(host.dialogs.parts.count(owner) == 1, "a callback object of an object with no dialog base part");
    host.Require(data == &kRangeFormItem || data == &kSchemeEditorItem,
                 "a callback object built from something that is no host data item");
    host.Require(host.dialogs.callbacks.emplace(callback, data).second, "a callback object built twice in the same storage");
    const void* table = kCallbackTable;
    std::memcpy(callback, &table, sizeof table);
    return callback;
}

void KLARVO_THISCALL DestroyCallback(CallbackStorage* callback) {
    Host& host = Host::Active();
    host.Require(host.dialogs.callbacks.erase(callback) == 1, "a callback object destroyed that does not exist");
}

// Live callback objects built from an item.
std::size_t LiveCallbacks(const int& item) {
    Host& host = Host::Active();
    return static_cast<std::size_t>(std::count_if(host.dialogs.callbacks.begin(), host.dialogs.callbacks.end(),
                                                  [&](const auto& callback) { return callback.second == &item; }));
}

// ---- the object's own operations, called as the host's compiler calls virtual operations

std::int32_t PressButton(WDialogBase* owner, std::uint16_t command) {
    const auto handler = TableEntry<CommandHandlerEntry>(owner, kCommandHandler);
    const std::int32_t result = handler(owner, command, kButtonPressed);
    Host::Active().dialogs.commandResults.push_back(result);
    return result;
}

// The amount names of the object's list, without their leading blank; the same for each field.
std::vector<std::string> AskAmountNames(WDialogBase* owner) {
    Host& host = Host::Active();
    const auto provider = TableEntry<ListItemEntry>(owner, kListItemProvider);
    std::vector<std::string> names;
    for (std::size_t field = 0; field < kAmountPickFields; ++field) {
        const std::intptr_t count = provider(owner, -1, 0);
        host.Require(count > 0 && count <= 256, "a list of " + std::to_string(count) + " entries");
        std::vector<std::string> list;
        for (std::int16_t i = 0; i < count; ++i) {
            const auto* text = reinterpret_cast<const char*>(provider(owner, i, 0));
            host.Require(text == host.dialogs.listText.data(), "a list entry outside the host's list-text buffer");
            host.Require(text[0] == ' ', "a list entry without its leading blank");
            list.emplace_back(text + 1);
        }
        host.Require(names.empty() || list == names, "the amount pick fields got different lists");
        names = std::move(list);
    }
    return names;
}

char* ListTextBuffer() { return Host::Active().dialogs.listText.data(); }

// ---- the range form

// A control that edits the form's record, and where its part of the record lies.
struct EditedPart {
    const ControlLayout* control;
    char* at;
};

std::vector<EditedPart> EditedParts(const FormLayout& form, void* data) {
    std::vector<EditedPart> parts;
    char* at = static_cast<char*>(data);
    for (const ControlLayout& control : form.controls) {
        if (!(control.flags & kEditsRecord) || (control.kind != kInputField && control.kind != kCheckBox)) continue;
        parts.push_back({&control, at});
        at += control.kind == kInputField ? sizeof(DateText) : sizeof(std::uint16_t);
    }
    return parts;
}

bool Ticked(const char* at) {
    std::uint16_t flags;
    std::memcpy(&flags, at, sizeof flags);
    return flags & 1;
}

void Tick(char* at, bool ticked) {
    std::uint16_t flags;
    std::memcpy(&flags, at, sizeof flags);
    flags = static_cast<std::uint16_t>(ticked ? (flags | 1) : (flags & ~1u));
    std::memcpy(at, &flags, sizeof flags);
}

void Type(char* field, const std::string& answer) {
    const std::size_t length = std::min(answer.size(), kDateLength);
    std::memcpy(field, answer.data(), length);
    field[length] = '\0';
}

std::string Picture(const FormLayout& form, const std::vector<EditedPart>& parts) {
    std::map<std::size_t, std::string> shown;
    for (const EditedPart& part : parts) {
        const auto index = static_cast<std::size_t>(part.control - form.controls.data());
        shown[index] = part.control->kind == kInputField ? std::string(part.at, strnlen(part.at, kDateLength))
                                                         : (Ticked(part.at) ? "x" : "");
    }
    return DrawForm(form, shown);
}

// The user fills the fields in their order: the first date, the second date, the check box.
void Answer(const std::vector<EditedPart>& parts, const FormAnswers& answers) {
    std::vector<const std::optional<std::string>*> dates = {&answers.dateFrom, &answers.dateTo};
    auto date = dates.begin();
    for (const EditedPart& part : parts) {
        if (part.control->kind == kCheckBox) {
            if (answers.invoices) Tick(part.at, *answers.invoices);
        } else if (date != dates.end()) {
            if (**date) Type(part.at, ***date);
            ++date;
        }
    }
}

const ControlLayout& Button(const FormLayout& form, const std::string& shows) {
    const auto found = std::find_if(form.controls.begin(), form.controls.end(), [&](const ControlLayout& control) {
        std::string visible = VisibleCaption(control.caption);
        visible.erase(0, visible.find_first_not_of(' '));
        return control.kind == kButton && visible.ends_with(shows);
    });
    Host::Active().Require(found != form.controls.end(), "a form without the button \"" + shows + "\"");
    return *found;
}

std::uint16_t KLARVO_THISCALL RunForm(WDialogBase* owner, const void* description, int form, void* data, int callback) {
    Host& host = Host::Active();

    host.Require(host.dialogs.parts.count(owner) == 1, "a form run for an object with no dialog base part");
    host.Require(owner->virtualTable != kHostDialogTable, "a form run for an object without its own virtual table");
    host.Require(callback == kRangeFormItem && LiveCallbacks(kRangeFormItem) > 0,
                 "a form run without a live callback value of the range form's data item");
    std::vector<FormLayout> forms;
    try {
        forms = ReadFormDescription(static_cast<const unsigned char*>(description));
    } catch (const FormDescriptionError& error) {
        host.Violation(std::string("a malformed form description: ") + error.what());
    }
    const auto shown = std::find_if(forms.begin(), forms.end(), [&](const FormLayout& f) { return f.number == form; });
    host.Require(shown != forms.end() && form == kRangeForm, "a form run with an unknown number " + std::to_string(form));
    const std::vector<EditedPart> parts = EditedParts(*shown, data);
    const FormAnswers& answers = host.Options().form;
    if (answers.draw) host.dialogs.formPictures.push_back(Picture(*shown, parts));
    Answer(parts, answers);
    for (std::size_t press = 0; press < answers.configPresses.size(); ++press)
        PressButton(owner, Button(*shown, "Konfig").command);
    host.dialogs.formCancelled = answers.cancel;
    return Button(*shown, answers.cancel ? "Anuluj" : "OK").command;
}

// ---- the posting-scheme editor

std::uint16_t RunSchemeEditor(WDialogBase* owner, int form, void* data, int first,
                              const std::array<int, kAmountPickFields>& values, int last) {
    Host& host = Host::Active();
    host.Require(host.dialogs.parts.count(owner) == 1, "the scheme editor run for an object with no dialog base part");
    host.Require(form == kSchemeEditorForm, "a host form run with an unknown number " + std::to_string(form));
    host.Require(data == host.posting.schemeBuffer, "the scheme editor run over something else than the posting-scheme buffer");
    host.Require(first == 0 && last == 0, "the scheme editor run with arguments other than 0 around the callback values");
    host.Require(std::all_of(values.begin(), values.end(), [](int value) { return value == kSchemeEditorItem; }) &&
                 LiveCallbacks(kSchemeEditorItem) >= kAmountPickFields,
                 "the scheme editor run without a live callback value of its data item for each amount pick field");
    const std::vector<std::string> names = AskAmountNames(owner);
    const SchemeEditorVisit visit = host.NextEditorVisit();
    for (const SchemeEdit& edit : visit.edits) host.posting.schemeBuffer[edit.index] = edit.entry;
    host.dialogs.schemeListings.push_back(ListScheme(host.posting.schemeBuffer, names));
    return visit.abandon ? host::kFormAbandoned : host::kFormConfirmed;
}

template <class Fields>
struct SchemeEditor;
template <std::size_t... Field>
struct SchemeEditor<std::index_sequence<Field...>> {
    static std::uint16_t KLARVO_THISCALL Run(WDialogBase* owner, int form, void* data, int first,
                                             CallbackValue<Field>... values, int last) {
        return RunSchemeEditor(owner, form, data, first, {values...}, last);
    }
};

std::pair<const std::uint16_t, CodeAddress> ExportData(std::uint16_t number, const int* item) {
    return {number, reinterpret_cast<CodeAddress>(const_cast<int*>(item))};
}

}  // namespace

ExportTable DialogServices() {
    ExportTable exports = {
        Export<service::MakeDialogBase, &MakeDialogBase>(),
        Export<service::EndDialogBase, &EndDialogBase>(),
        Export<service::MakeCallback, &MakeCallback>(),
        Export<service::DestroyCallback, &DestroyCallback>(),
        Export<service::RunForm, &RunForm>(),
        Export<service::RunHostForm, &SchemeEditor<std::make_index_sequence<kAmountPickFields>>::Run>(),
        Export<service::ListTextBuffer, &ListTextBuffer>(),
        ExportData(service::RangeFormItem::kNumber, &kRangeFormItem),
        ExportData(service::SchemeEditorItem::kNumber, &kSchemeEditorItem),
    };
    AddExports(exports, HostOperations(std::make_index_sequence<kDialogOperationCount>()));
    return exports;
}

}  // namespace klarvo::sim
