#pragma once
// Every number this host exports, with the function or data behind it as the linker names it: its
// member functions under their decorated names, its plain functions and data under their own.
// X(number, symbol). The module definition file is made from this list (host_exports_def.cmake), and
// the services state their numbers from it.

// The operations of the dialog base class that the host implements, as (X, entry of the virtual
// table from 1, service number); each is the member function OperationENTRY.
#define MORVEL_HOST_OPERATIONS(O, X)                                                                   \
    O(X, 3, 20958) O(X, 4, 20959) O(X, 5, 20960) O(X, 6, 20961) O(X, 7, 20962) O(X, 8, 20963)          \
    O(X, 9, 20964) O(X, 10, 20965) O(X, 11, 20966) O(X, 12, 20957) O(X, 13, 20948) O(X, 14, 20949)     \
    O(X, 15, 20950) O(X, 16, 20951) O(X, 17, 20952) O(X, 18, 20953) O(X, 19, 20954) O(X, 20, 20955)    \
    O(X, 21, 20956) O(X, 22, 20947) O(X, 24, 20939) O(X, 25, 20940) O(X, 26, 20941) O(X, 27, 20942)    \
    O(X, 28, 20943) O(X, 29, 20944) O(X, 30, 20945) O(X, 31, 20946) O(X, 32, 20937) O(X, 33, 24002)    \
    O(X, 34, 24003) O(X, 35, 24004)
#define MORVEL_OPERATION_EXPORT(X, entry, number) X(number, "?Operation" #entry "@WDialogBase@@UAEXXZ")

#define MORVEL_EXPORTS(X)                                                                 \
    X(30018, "AcceptModule")                                                              \
    X(35802, "ShowStopMessage")                                                           \
    X(40008, "Unused40008")                                                               \
    X(41611, "Unused41611")                                                               \
    X(41613, "Unused41613")                                                               \
    X(30005, "Unused30005")                                                               \
    X(38417, "Unused38417")                                                               \
    X(32300, "ModeFlags")                                                                 \
    X(52132, "DeleteCharacter")                                                           \
    X(52278, "?Start@DocumentWalk@@QAEHHHHHH@Z")                                          \
    X(52305, "CloseFile")                                                                 \
    X(52228, "OpenProgress")                                                              \
    X(20973, "??1Callback@@UAE@XZ")                                                       \
    X(20972, "??0Callback@@QAE@PAVWDialogBase@@PBX@Z")                                    \
    X(52082, "RemoveCommand")                                                             \
    X(51546, "PostingSchemeBuffer")                                                       \
    X(52279, "?Step@DocumentWalk@@QAEHXZ")                                                \
    X(52179, "AmountValue")                                                               \
    X(40404, "CleanName")                                                                 \
    X(22563, "??1FileHolder@@QAE@XZ")                                                     \
    X(22567, "?Release@FileHolder@@QAEPAUHostFile@@XZ")                                   \
    X(22562, "??0FileHolder@@QAE@PAUHostFile@@@Z")                                        \
    X(30204, "Today")                                                                     \
    X(52260, "CustomerSearchKey")                                                         \
    X(52233, "SetProgressTexts")                                                          \
    X(32408, "SetModeFlags")                                                              \
    X(52023, "RunHostDialog")                                                             \
    X(52465, "?Prepare@TableDescriptor@@QAEHH@Z")                                         \
    X(52234, "RefreshProgress")                                                           \
    X(41399, "SettingsValue")                                                             \
    X(51594, "HostVersion")                                                               \
    X(50538, "??1DocumentWalk@@QAE@XZ")                                                   \
    X(30908, "CompareDates")                                                              \
    X(38400, "ListTextBuffer")                                                            \
    X(52281, "?End@DocumentWalk@@QAEXXZ")                                                 \
    X(52028, "ShowMessage")                                                               \
    X(51545, "FillDocumentAmounts")                                                       \
    X(52256, "DescribeTable")                                                             \
    X(30520, "SplitDate")                                                                 \
    X(31708, "AddDays")                                                                   \
    X(52534, "OpenFile")                                                                  \
    X(52230, "CloseProgress")                                                             \
    X(52081, "RegisterCommand")                                                           \
    X(21287, "FreeBlock")                                                                 \
    X(24007, "?RunForm@WDialogBase@@QAEGPBXHPAXH@Z")                                      \
    X(24006, "?RunHostForm@WDialogBase@@QAEGHPAXHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH@Z")         \
    MORVEL_HOST_OPERATIONS(MORVEL_OPERATION_EXPORT, X)                                    \
    X(20907, "SchemeEditorItem")                                                          \
    X(20936, "RangeFormItem")                                                             \
    X(20903, "??1WDialogBase@@UAE@XZ")                                                    \
    X(20902, "??0WDialogBase@@QAE@XZ")                                                    \
    X(52161, "CopyText")                                                                  \
    X(52130, "InsertCharacter")                                                           \
    X(35804, "ShowFormattedMessage")                                                      \
    X(52224, "ConfigValue")                                                               \
    X(52133, "CleanAddressPart")                                                          \
    X(21285, "AllocateBlock")                                                             \
    X(52352, "FindCustomer")                                                              \
    X(52541, "WriteFile")                                                                 \
    X(52029, "Unused52029")                                                               \
    X(38511, "Unused38511")                                                               \
    X(52016, "Unused52016")                                                               \
    X(52015, "Unused52015")                                                               \
    X(37974, "Unused37974")                                                               \
    X(52466, "Unused52466")                                                               \
    X(30006, "HostEntry")

// The data items among them: their addresses are what a module takes.
#define MORVEL_DATA_ITEMS(X) X(20907) X(20936)
