#pragma once
// The host's interface with a module, as this host reads it in the host's own description: its
// classes (the dialog base class, the callback objects, the file holder, the document walk, the
// table descriptors), the records a module reads, the module's command registration and entry
// points, and the numbers that the two sides exchange. Nothing of it is taken from the module's
// own headers: where this host and the module understand the description apart, a test fails.

#include <stdint.h>

// ---- the dialog base class: 35 virtual operations. A module's class derived from it implements
// the 1st (deleting destruction), the 2nd (the command handler) and the 23rd (the list-item
// provider); the host implements the others, exported under their service numbers.
class WDialogBase {
public:
    WDialogBase();           // 20902: the base part made
    virtual ~WDialogBase() noexcept(false);  // 20903: the base part ended
    virtual int32_t Command(uint32_t code, int16_t kind);
    virtual void Operation3();
    virtual void Operation4();
    virtual void Operation5();
    virtual void Operation6();
    virtual void Operation7();
    virtual void Operation8();
    virtual void Operation9();
    virtual void Operation10();
    virtual void Operation11();
    virtual void Operation12();
    virtual void Operation13();
    virtual void Operation14();
    virtual void Operation15();
    virtual void Operation16();
    virtual void Operation17();
    virtual void Operation18();
    virtual void Operation19();
    virtual void Operation20();
    virtual void Operation21();
    virtual void Operation22();
    virtual intptr_t ListItem(int16_t index, int32_t unused);
    virtual void Operation24();
    virtual void Operation25();
    virtual void Operation26();
    virtual void Operation27();
    virtual void Operation28();
    virtual void Operation29();
    virtual void Operation30();
    virtual void Operation31();
    virtual void Operation32();
    virtual void Operation33();
    virtual void Operation34();
    virtual void Operation35();

    // 24007: the module's own form from its description, editing `data` in place.
    uint16_t RunForm(const void* description, int form, void* data, int callback);
    // 24006: a form of the host's own by its number, with one callback value per pick field.
    uint16_t RunHostForm(int form, void* data, int first, int v1, int v2, int v3, int v4, int v5, int v6, int v7, int v8,
                         int v9, int v10, int v11, int v12, int v13, int v14, int v15, int v16, int v17, int v18,
                         int v19, int v20, int v21, int v22, int v23, int v24, int v25, int v26, int v27, int v28,
                         int last);

    // The base part's own state: that the host made it.
    uint32_t madeByHost;
};

// A callback object, made in storage of the module's (20972) from the module's object and a host
// data item; the second operation of its table gives the value a form-running service takes.
class Callback {
public:
    Callback(WDialogBase* owner, const void* item);  // 20972
    virtual ~Callback() noexcept(false);             // 20973
    virtual int Value() const;

    WDialogBase* owner;
    const void* item;
};

// An output file of the host; a module only passes it back.
struct HostFile;

// A file holder, in storage of the module's: owns an open file until it is taken out.
class FileHolder {
public:
    explicit FileHolder(HostFile* file);  // 22562
    HostFile* Release();                  // 22567: the file, no longer owned
    ~FileHolder() noexcept(false);        // 22563: closes a file still owned

    HostFile* file;
};

// The walk over the sales document headers, in storage of the module's.
class DocumentWalk {
public:
    int Start(int a, int selector, int b, int c, int d);  // 52278: non-zero when it could start
    int Step();                                           // 52279: 1 when the next document is loaded
    void End();                                           // 52281
    ~DocumentWalk() noexcept(false);                      // 50538

    int next;
    int state;
};

// What a table number leads to: the record length at byte 6, the current-record buffer in the
// third 32-bit word.
struct TableDescriptor {
    int Prepare(int mode);  // 52465: readies the record buffer before a module uses it

    uint16_t number;
    uint16_t prepared;
    uint16_t reserved;
    int16_t recordLength;
    char* record;
};
static_assert(sizeof(TableDescriptor) == 12, "the record buffer is the third 32-bit word");

// ---- the records a module reads
namespace record {
// Tspr, table 44: a sales document header.
constexpr int kDocumentTable = 44;
constexpr int kDocumentLength = 1469;
constexpr int kDocumentNumber = 2, kDocumentNumberRoom = 228;
constexpr int kDocumentDate = 230, kDocumentDateRoom = 9;
constexpr int kPaymentDays = 257;  // 16-bit
constexpr int kDocumentCustomer = 1453, kIncluded = 1465;  // 32-bit
// k4, table 35: a customer.
constexpr int kCustomerTable = 35;
constexpr int kCustomerLength = 1536;
constexpr int kShortName = 2, kName = 19, kAddress = 120, kTaxId = 176, kBankAccount = 239;
constexpr int kCreditLimit = 343, kDiscount = 351;  // doubles
constexpr int kCustomerNumber = 1532;               // 32-bit
// The other tables a module declares or prepares.
constexpr int kItemTable = 45, kItemLength = 515;
constexpr int kPreparedTable = 46, kPreparedLength = 64;
constexpr int kCorrectionTable = 47, kCorrectionLength = 256;
// The document amounts that 51545 fills: amount codes 1 to 32.
constexpr int kDocumentAmounts = 32;
}  // namespace record

// ---- the posting-scheme buffer: 14 entries of 80 bytes
constexpr int kSchemeEntries = 14;
#pragma pack(push, 1)
struct PostingSchemeEntry {
    int16_t debitCode;
    char debitAccount[11];
    int16_t creditCode;
    char creditAccount[11];
    char description[41];
    char shortCode[11];
    int16_t number;
};
#pragma pack(pop)
static_assert(sizeof(PostingSchemeEntry) == 80, "an entry of the posting-scheme buffer is 80 bytes");

// ---- the module's command and entry points
struct CommandRegistration {
    uint32_t kind;
    const char* caption;
    uint16_t number;
    uint16_t zero;
    int (*command)();
    uint32_t zero2;
};
static_assert(sizeof(CommandRegistration) == 20, "the registration record is 20 bytes");
constexpr uint32_t kMenuCommand = 0x43080000;
constexpr uint16_t kExportCommand = 31028;

using HostEntryFunction = int (*)(int request, int features);
using InitialiseEntry = int(__stdcall*)(HostEntryFunction entry, char* displayName);  // 30001
using RegisterEntry = int(__stdcall*)(int report);                                    // 30008
constexpr int kInitialiseOrdinal = 30001, kRegisterOrdinal = 30008;
constexpr int kDisplayNameRoom = 19;  // 18 characters and a NUL
constexpr int kHostVersion = 112;

// ---- numbers the two sides exchange
constexpr uint16_t kConfirmed = 0x5001, kAbandoned = 0x5002;
constexpr int kRangeForm = 20010, kSchemeEditorForm = 1254;
constexpr int16_t kButtonPressed = 1;
constexpr int kAmountPickFields = 28;
constexpr uint16_t kCommandModeFlag = 0x8000;
constexpr int kPlainMessage = 1;
constexpr int kStopWindow = 15000, kStopButtons = 0xF001, kStopStyle = 0x6E2E;
constexpr int kProgressWindow = 856;
constexpr int kSalesDocumentWalk = 811;
constexpr int kFindBySearchKey = -1;
constexpr int kPrepareForRecord = 255;
constexpr int kInstallNotice = 1668;
constexpr int kReadSetting = 8, kWriteSetting = 9;
constexpr int kReadConfiguration = 1, kWriteConfiguration = 2;
constexpr int kTodayRoom = 256;
