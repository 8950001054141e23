#include "src/plugin/load_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "src/frame/binding.h"
#include "src/frame/module_state.h"
#include "src/host/mazovia.h"
#include "src/host/module_entries.h"
#include "src/plugin/identity.h"
#include "src/services/host_module.h"
#include "src/services/tables.h"

namespace klarvo::plugin {
namespace {

using frame::Module;
using frame::RecordSizeDeclaration;

bool Listed(const RecordSizeDeclaration* declaration) {
    for (const RecordSizeDeclaration* entry = Module().mismatches; entry; entry = entry->next)
        if (entry == declaration) return true;
    return false;
}

void Append(RecordSizeDeclaration* declaration) {
    RecordSizeDeclaration** end = &Module().mismatches;
    while (*end) end = &(*end)->next;
    *end = declaration;
}

// Texts of the report. Bytes 0x01 and 0x02 are markup of the host's message window.
const char* const kTitle = "STOP!!!";
const char* const kMissingServiceText =
    "Wtyczka \"%s\" potrzebuje zaimportować\n%s z modułu głównego,\njednak moduł główny %s nie posiada. "
    "Aby naprawić tę sytuację\nzainstaluj aktualizację programu oraz wtyczki.\n\nWTYCZKA NIE ZOSTANIE "
    "ZAŁADOWANA!!!\n"_mz;
const char* const kRecordSizeHeader =
    "Rozmiary rekordów niektórych tabel nie zgadzają się\nmiędzy programem a wtyczką '%s' (moduł '%s'):\n\n"
    "\x01tl18l33\x01TABELA\tWE WTYCZCE\tW PROGRAMIE\n"_mz;
const char* const kRecordSizeRow = "\x01tp25p40\x01%s\t%d\t%s\n";
const char* const kRecordSizeFooter = "\nModuł \x02%s\x01\nNIE zostanie załadowany!"_mz;
const char* const kFeatureText = "Program nie obsługuje cech 0x%08X,\nktóre są niezbędne dla modułu '%s'."_mz;
const char* const kVersionText =
    "Moduł \"%s\" i program występują w różnych wersjach!\n\nZostał zakualizowany tylko program albo tylko "
    "moduł,\na nie oba jednocześnie! Aby naprawić tę sytuację\nzainstaluj aktualizację programu wraz z modułem "
    "\"%s\".\n\nMODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n"_mz;
const char* const kNotInitialisedText = "Moduł \"%s\" nie został poprawnie zainicjowany,\nwięc NIE BĘDZIE AKTYWNY!"_mz;

// Appends a formatted piece, never past the end of the report.
template <class... Arguments>
void Append(char* text, const char* format, Arguments... arguments) {
    const std::size_t used = std::strlen(text);
    std::snprintf(text + used, kReportSize - used, format, arguments...);
}

// The host says which of its features the module needs and it lacks; 0 when none.
std::uint32_t MissingFeatures() {
    const host::HostEntryFunction entry = Module().hostEntry;
    return entry ? static_cast<std::uint32_t>(entry(1, -1)) : 0;
}

}  // namespace

int DeclareTables() {
    int mismatches = 0;
    for (RecordSizeDeclaration& declaration : Module().declarations) {
        const host::TableDescriptor* descriptor = services::DescribeTable(declaration.table);
        declaration.hostSize = descriptor ? descriptor->recordLength : 0;
        if (declaration.hostSize != declaration.pluginSize && !Listed(&declaration)) Append(&declaration);
    }
    for (const RecordSizeDeclaration* entry = Module().mismatches; entry; entry = entry->next) ++mismatches;
    return mismatches;
}

int RunLoadChecks() {
    // A missing service fails the checks before any service is called, so that no empty slot
    // is ever called; the report names the missing ones.
    if (frame::Missing().count != 0) return -1;
    if (!services::HostAcceptsModule(Module().ownModule)) return -1;
    if (services::HostVersion() != host::kHostVersion) return -1;
    return DeclareTables() == 0 ? 0 : -1;
}

std::uint32_t MissingServiceText(char* text) {
    text[0] = '\0';
    const frame::MissingServices& missing = frame::Missing();
    if (missing.count == 0) return 0;
    char list[256];
    if (missing.count == 1) {
        std::snprintf(list, sizeof list, "funkcję o numerze %hu"_mz, missing.numbers[0]);
    } else {
        std::uint16_t numbers[frame::MissingServices::kRecorded];
        const std::size_t stored = std::min<std::uint32_t>(missing.count, frame::MissingServices::kRecorded);
        std::copy_n(missing.numbers, stored, numbers);
        std::sort(numbers, numbers + stored);
        std::snprintf(list, sizeof list, "funkcje o numerach");
        for (std::size_t i = 0; i < stored; ++i)
            std::snprintf(list + std::strlen(list), sizeof list - std::strlen(list), " %hu,", numbers[i]);
        list[std::strlen(list) - 1] = '\0';
    }
    std::snprintf(text, kReportSize, kMissingServiceText, kDisplayName, list, missing.count == 1 ? "jej" : "ich");
    return missing.count;
}

int RecordSizeText(char* text) {
    text[0] = '\0';
    if (!Module().mismatches) return 0;
    Append(text, kRecordSizeHeader, kDisplayName, Module().FileName());
    for (const RecordSizeDeclaration* entry = Module().mismatches; entry; entry = entry->next) {
        char hostSize[16] = "brak";
        if (entry->hostSize != 0) std::snprintf(hostSize, sizeof hostSize, "%d", static_cast<int>(entry->hostSize));
        Append(text, kRecordSizeRow, entry->tableName, static_cast<int>(entry->pluginSize), hostSize);
    }
    Append(text, kRecordSizeFooter, Module().FileName());
    return -1;
}

void ShowLoadFailureReport() {
    char text[kReportSize] = "";
    if (const std::uint32_t features = MissingFeatures(); features != 0) {
        std::snprintf(text, sizeof text, kFeatureText, features, kDisplayName);
        services::ShowStopMessage(kTitle, "%s", text);
    } else if (MissingServiceText(text) != 0 || RecordSizeText(text) != 0 ||
               !services::HostAcceptsModule(Module().ownModule, text, static_cast<int>(sizeof text))) {
        services::ShowStopMessage(kTitle, "%s", text);
    } else if (RunLoadChecks() != 0) {
        services::ShowStopMessage(kTitle, kVersionText, Module().FileName(), Module().FileName());
    } else {
        services::ShowStopMessage(kTitle, kNotInitialisedText, Module().FileName());
    }
}

}  // namespace klarvo::plugin
