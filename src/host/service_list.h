#pragma once
// Every host service that the plug-in binds, in slot order (also the order of eager binding):
// X(ordinal, name, pointer type). One list makes the slots, the typed calls and the
// simulator's exports, so the two sides cannot disagree on a signature.

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "src/host/types.h"

namespace klarvo::host {
struct WDialogBase;
using Unused = void (*)();  // bound (a BoundUnused service), but called by no code of the plug-in
using DataItem = void (*)();  // an address exported by the host, passed as a value
// An operation of the host's dialog base class, reached only through the object's virtual table.
using DialogOperation = void(KLARVO_THISCALL*)(WDialogBase* self);

// The posting-scheme editor takes one callback value per amount pick field.
inline constexpr std::size_t kAmountPickFields = 28;
template <std::size_t>
using CallbackValue = int;
template <class Fields>
struct SchemeEditorSignature;
template <std::size_t... Field>
struct SchemeEditorSignature<std::index_sequence<Field...>> {
    using Pointer = std::uint16_t(KLARVO_THISCALL*)(WDialogBase* owner, int form, void* data, int first,
                                                   CallbackValue<Field>... values, int last);
};
using RunHostFormPointer = SchemeEditorSignature<std::make_index_sequence<kAmountPickFields>>::Pointer;
}  // namespace klarvo::host

// The operations of WDialogBase that the host implements, as (X, entry of the virtual table from 1,
// service): in descending entry order, which is also their order among the slots. This one list
// makes both their slots and the virtual table of the export object.
#define KLARVO_DIALOG_OPERATIONS(O, X) \
    O(X, 35, 24004) O(X, 34, 24003) O(X, 33, 24002) O(X, 32, 20937) O(X, 31, 20946) O(X, 30, 20945) \
    O(X, 29, 20944) O(X, 28, 20943) O(X, 27, 20942) O(X, 26, 20941) O(X, 25, 20940) O(X, 24, 20939) \
    O(X, 22, 20947) O(X, 21, 20956) O(X, 20, 20955) O(X, 19, 20954) O(X, 18, 20953) O(X, 17, 20952) \
    O(X, 16, 20951) O(X, 15, 20950) O(X, 14, 20949) O(X, 13, 20948) O(X, 12, 20957) O(X, 11, 20966) \
    O(X, 10, 20965) O(X, 9, 20964) O(X, 8, 20963) O(X, 7, 20962) O(X, 6, 20961) O(X, 5, 20960) \
    O(X, 4, 20959) O(X, 3, 20958)
#define KLARVO_DIALOG_OPERATION_SERVICE(X, entry, number) X(number, DialogOperation##entry, DialogOperation)

#define KLARVO_HOST_SERVICES(X)                                                                   \
    X(30018, AcceptModule, int (*)(ModuleHandle plugin, char* reason, int reasonSize))            \
    X(35802, ShowStopMessage, int (*)(int window, const char* title, const char* format,          \
                                      int buttons, int style, ...))                               \
    X(40008, BoundUnused40008, Unused)                                                            \
    X(41611, BoundUnused41611, Unused)                                                            \
    X(41613, BoundUnused41613, Unused)                                                            \
    X(30005, BoundUnused30005, Unused)                                                            \
    X(38417, BoundUnused38417, Unused)                                                            \
    X(32300, ModeFlags, std::uint16_t (*)())                                                      \
    X(52132, DeleteCharacter, void (*)(char* at))                                                 \
    X(52278, StartWalk, int (KLARVO_THISCALL*)(WalkerStorage * walker, int a, int selector,       \
                                               int b, int c, int d))                              \
    X(52305, CloseFile, int (*)(HostFile * file))                                                 \
    X(52228, OpenProgress, void (*)(int window))                                                  \
    X(20973, DestroyCallback, void (KLARVO_THISCALL*)(CallbackStorage * callback))                \
    X(20972, MakeCallback, CallbackStorage* (KLARVO_THISCALL*)(CallbackStorage * callback,        \
                                                               WDialogBase * owner,               \
                                                               DataItem item))                    \
    X(52082, RemoveCommand, void (*)(int command))                                                \
    X(51546, PostingSchemeBuffer, char* (*)())                                                    \
    X(52279, StepWalk, int (KLARVO_THISCALL*)(WalkerStorage * walker))                            \
    X(52179, AmountValue, double (*)(double amount, int scale))                                   \
    X(40404, CleanName, void (*)(char* text))                                                     \
    X(22563, DestroyFileHolder, void (KLARVO_THISCALL*)(FileHolderStorage * holder))              \
    X(22567, ReleaseFile, HostFile* (KLARVO_THISCALL*)(FileHolderStorage * holder))               \
    X(22562, MakeFileHolder, void (KLARVO_THISCALL*)(FileHolderStorage * holder, HostFile * file))\
    X(30204, Today, void (*)(char* date))                                                         \
    X(52260, CustomerSearchKey, std::int32_t* (*)())                                              \
    X(52233, SetProgressTexts, void (*)(const char* counter, const char* caption))                \
    X(32408, SetModeFlags, void (*)(std::uint16_t mask, int set))                                 \
    X(52023, RunHostDialog, int (*)(int dialog, int* value, int flags, const char* text))         \
    X(52465, PrepareTable, int (KLARVO_THISCALL*)(TableDescriptor * table, int mode))             \
    X(52234, RefreshProgress, int (*)())                                                          \
    X(41399, SettingsValue, std::int16_t (*)(const char* file, int mode, const char* section,     \
                                             const char* key, const char* format,                 \
                                             va_list arguments))                                  \
    X(51594, HostVersion, int (*)())                                                              \
    X(50538, DestroyWalker, void (KLARVO_THISCALL*)(WalkerStorage * walker))                      \
    X(30908, CompareDates, int (*)(const char* a, const char* b))                                 \
    X(38400, ListTextBuffer, char* (*)())                                                         \
    X(52281, EndWalk, void (KLARVO_THISCALL*)(WalkerStorage * walker))                            \
    X(52028, ShowMessage, int (*)(const char* title, const char* text, int style))                \
    X(51545, FillDocumentAmounts, void (*)(int a, double* amounts, int b, int c))                 \
    X(52256, DescribeTable, TableDescriptor* (*)(int table))                                      \
    X(30520, SplitDate, void (*)(const char* date, std::int16_t* year, std::int16_t* month,       \
                                 std::int16_t* day, int flags))                                   \
    X(31708, AddDays, void (*)(char* date, int days))                                             \
    X(52534, OpenFile, HostFile* (*)(const char* name, const char* mode, int a, int b, int c,     \
                                     int d, int e, int f, int g))                                 \
    X(52230, CloseProgress, void (*)())                                                           \
    X(52081, RegisterCommand, void (*)(const void* registration))                                 \
    X(21287, FreeBlock, void (*)(void* block))                                                    \
    X(24007, RunForm, std::uint16_t (KLARVO_THISCALL*)(WDialogBase * owner,                       \
                                                       const void* description, int form,         \
                                                       void* data, int callback))                 \
    X(24006, RunHostForm, RunHostFormPointer)                                                     \
    KLARVO_DIALOG_OPERATIONS(KLARVO_DIALOG_OPERATION_SERVICE, X)                                  \
    X(20907, SchemeEditorItem, DataItem)                                                          \
    X(20936, RangeFormItem, DataItem)                                                             \
    X(20903, EndDialogBase, void (KLARVO_THISCALL*)(WDialogBase * dialog))                        \
    X(20902, MakeDialogBase, void (KLARVO_THISCALL*)(WDialogBase * dialog))                       \
    X(52161, CopyText, void (*)(char* destination, const char* source, int count))                \
    X(52130, InsertCharacter, void (*)(char* at, int character))                                  \
    X(35804, ShowFormattedMessage, int (*)(int window, const char* title, const char* format,     \
                                           int style, va_list arguments))                         \
    X(52224, ConfigValue, std::int16_t (*)(int mode, const char* section, const char* key,        \
                                           const char* format, va_list arguments))                \
    X(52133, CleanAddressPart, void (*)(char* text))                                              \
    X(21285, AllocateBlock, void* (*)(std::uint32_t size, int zeroed))                            \
    X(52352, FindCustomer, int (*)(int mode))                                                     \
    X(52541, WriteFile, int (*)(HostFile * file, const char* format, ...))                        \
    X(52029, BoundUnused52029, Unused)                                                            \
    X(38511, BoundUnused38511, Unused)                                                            \
    X(52016, BoundUnused52016, Unused)                                                            \
    X(52015, BoundUnused52015, Unused)                                                            \
    X(37974, BoundUnused37974, Unused)                                                            \
    X(52466, BoundUnused52466, Unused)
