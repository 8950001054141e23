#pragma once
// Plain data that crosses the boundary between the plug-in and the host.

#include <cstddef>
#include <cstdint>

#if defined(__i386__)
// The host is an MSVC program: methods of its objects take `this` in ECX.
#define KLARVO_THISCALL __attribute__((thiscall))
// A module's entry points remove their own arguments.
#define KLARVO_STDCALL __attribute__((stdcall))
#else
#define KLARVO_THISCALL
#define KLARVO_STDCALL
#endif

namespace klarvo::host {

using ModuleHandle = void*;

// An open output file of the host; the plug-in only passes it back.
struct HostFile;

// A host date string: eight characters YYYYMMDD and a NUL; an empty text is no date.
inline constexpr std::size_t kDateLength = 8;
using DateText = char[kDateLength + 1];
// Today's date is written into a buffer of this size.
inline constexpr std::size_t kTodayBufferSize = 256;

// Storage that the plug-in lends to a host object living inside one of its operations.
template <std::size_t Size>
struct alignas(8) ObjectStorage {
    unsigned char bytes[Size];
};
using WalkerStorage = ObjectStorage<64>;
using FileHolderStorage = ObjectStorage<16>;
using CallbackStorage = ObjectStorage<16>;

// What a table number leads to. Only the record length and the current-record buffer are read.
struct TableDescriptor {
    std::uint32_t hostWord;
    std::uint16_t hostFlags;
    std::int16_t recordLength;  // byte 6
    void* recordBuffer;         // byte 8: the third 32-bit word on the host's platform
};
static_assert(offsetof(TableDescriptor, recordLength) == 6);
static_assert(offsetof(TableDescriptor, recordBuffer) == 8);

// The host's mode flag that a module's command holds set while it runs.
inline constexpr std::uint16_t kCommandModeFlag = 0x8000;

// Host table numbers.
enum class Table : int {
    Customers = 35,          // k4
    SalesDocuments = 44,     // Tspr
    SalesDocumentItems = 45, // Tspr_dok
    PreparedUnread = 46,     // prepared with the others when an export starts, never read
    SalesCorrections = 47,   // Tspr_kor_dok
};

// The mode in which a module readies a table before it uses its record buffer (service 52465).
inline constexpr int kPrepareTableMode = 255;

// The document walk that delivers the sales document headers.
inline constexpr int kSalesDocumentWalk = 811;

// The customer lookup (service 52352) by the number in the search key.
inline constexpr int kFindBySearchKey = -1;

}  // namespace klarvo::host
