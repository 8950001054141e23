#pragma once
// What the loaded module keeps for its whole life, never released: its own handle and file name,
// the host's module and entry function, the services the host lacked, and the record lengths of
// the tables whose layout the plug-in relies on; and the service slots, which stand apart from the
// rest because code written in the assembler jumps through them by name.

#include <cstddef>
#include <cstdint>

#include "src/frame/platform.h"
#include "src/host/module_entries.h"
#include "src/host/records.h"
#include "src/host/types.h"

namespace klarvo::frame {

using platform::CodeAddress;

// The service slots, in slot order (slot_offsets.h names them for the assembler). On i686 every
// slot starts at its lazy binder (lazy_binders.h); natively a slot starts empty.
extern "C" CodeAddress klarvo_service_slots[];

// Services the host lacked: how many lookups failed, and the first eight numbers in order.
struct MissingServices {
    static constexpr int kRecorded = 8;
    std::uint32_t count = 0;
    std::uint16_t numbers[kRecorded] = {};
};

// A table whose record layout the plug-in relies on: its record length in the plug-in and as
// the host reports it (0 when the host has no such table). Declarations whose lengths differ
// are chained into the mismatch list, each once, in the order found.
struct RecordSizeDeclaration {
    host::Table table;
    std::int32_t pluginSize;
    std::int32_t hostSize;
    const char* tableName;
    RecordSizeDeclaration* next;
};

struct ModuleState {
    platform::ModuleHandle ownModule = nullptr;
    char filePath[300] = "";
    std::size_t fileNameStart = 0;  // where the last component of filePath starts
    platform::ModuleHandle hostModule = nullptr;
    host::HostEntryFunction hostEntry = nullptr;
    MissingServices missing;
    RecordSizeDeclaration declarations[4] = {
        {host::Table::SalesDocuments, host::tspr::kRecordLength, 0, "Tspr", nullptr},
        {host::Table::SalesDocumentItems, host::kTsprDokRecordLength, 0, "Tspr_dok", nullptr},
        {host::Table::SalesCorrections, host::kTsprKorDokRecordLength, 0, "Tspr_kor_dok", nullptr},
        {host::Table::Customers, host::k4::kRecordLength, 0, "k4", nullptr},
    };
    RecordSizeDeclaration* mismatches = nullptr;

    // The module's file name without its folder. Kept as a position, so that the state can be
    // reset without pointing into an earlier one.
    const char* FileName() const { return filePath + fileNameStart; }
};

ModuleState& Module();

// The attach hook: the own module, its file name, and the host module with its entry function,
// when that module is loaded and none was found before.
void AttachModule(platform::ModuleHandle ownModule);

// The module as a fresh load finds it: every slot at its start, nothing known of the host. For a
// host linked into the same program, which loads the module more than once.
void ResetModule();

}  // namespace klarvo::frame
