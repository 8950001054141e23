// The host's tables as a module reaches them: their descriptors (52256) and the readying of their
// record buffers (52465), the walk over the sales document headers (52278, 52279, 52281, 50538)
// with each document's amounts (51545), the customer lookup by the search key (52260, 52352), and
// the host's clean-up of customer texts (40404, 52133). The records are filled at this host's own
// offsets.

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/host_state.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

namespace morvel {
namespace {

struct HostTable {
    int number;
    int length;  // of this host's records
    TableDescriptor descriptor;
    int room;  // of the buffer
};

HostTable g_tables[] = {
    {record::kCustomerTable, record::kCustomerLength, {}, 0},  {record::kDocumentTable, record::kDocumentLength, {}, 0},
    {record::kItemTable, record::kItemLength, {}, 0},          {record::kPreparedTable, record::kPreparedLength, {}, 0},
    {record::kCorrectionTable, record::kCorrectionLength, {}, 0},
};

int32_t g_searchKey = 0;
int g_currentDocument = -1;  // in the Tspr record buffer, or none
MorvelDocument g_document;

HostTable* TableNumbered(int number) {
    for (HostTable& table : g_tables)
        if (table.number == number) return &table;
    return nullptr;
}

// The record buffer of a table, once a module readied it.
char* RecordOf(ServiceCall& call, int number) {
    HostTable& table = *TableNumbered(number);
    call.Require(table.descriptor.record && table.descriptor.prepared,
                 "a record buffer used before its table was prepared");
    return table.descriptor.record;
}

template <class T>
void Put(char* record, int offset, T value) {
    memcpy(record + offset, &value, sizeof value);
}

// A text into its field: it ends at its NUL, or at the end of its room when it fills it.
void PutText(char* record, int offset, int room, const char* text) {
    const size_t length = strlen(text);
    memcpy(record + offset, text, length < static_cast<size_t>(room) ? length + 1 : static_cast<size_t>(room));
}

void FillDocument(char* record, const MorvelDocument& document) {
    memset(record, 0, record::kDocumentLength);
    PutText(record, record::kDocumentNumber, record::kDocumentNumberRoom, document.number);
    PutText(record, record::kDocumentDate, record::kDocumentDateRoom, document.date);
    Put(record, record::kPaymentDays, static_cast<int16_t>(document.paymentDays));
    Put(record, record::kDocumentCustomer, static_cast<int32_t>(document.customer));
    Put(record, record::kIncluded, static_cast<int32_t>(document.included));
}

void FillCustomer(char* record, const MorvelCustomer& customer) {
    memset(record, 0, record::kCustomerLength);
    PutText(record, record::kShortName, record::kName - record::kShortName, customer.shortName);
    PutText(record, record::kName, record::kAddress - record::kName, customer.name);
    PutText(record, record::kAddress, record::kTaxId - record::kAddress, customer.address);
    PutText(record, record::kTaxId, record::kBankAccount - record::kTaxId, customer.taxId);
    PutText(record, record::kBankAccount, record::kCreditLimit - record::kBankAccount, customer.bankAccount);
    Put(record, record::kCreditLimit, customer.creditLimit);
    Put(record, record::kDiscount, customer.discount);
    Put(record, record::kCustomerNumber, static_cast<int32_t>(customer.number));
}

}  // namespace

void ForgetCurrentDocument() { g_currentDocument = -1; }

}  // namespace morvel

using namespace morvel;

extern "C" TableDescriptor* DescribeTable(int number) {
    ServiceCall call = Serve<52256>();
    HostTable* table = TableNumbered(number);
    const int reported = table ? g_core->table_length(number, table->length) : -1;
    if (reported < 0) return call.Done<TableDescriptor*>(nullptr);
    const int room = reported > table->length ? reported : table->length;
    if (room > table->room) {
        free(table->descriptor.record);
        table->descriptor.record = static_cast<char*>(calloc(static_cast<size_t>(room), 1));
        table->room = room;
    }
    table->descriptor.number = static_cast<uint16_t>(number);
    table->descriptor.recordLength = static_cast<int16_t>(reported);
    return call.Done(&table->descriptor);
}

int TableDescriptor::Prepare(int mode) {
    ServiceCall call = Serve<52465>();
    call.Require(mode == kPrepareForRecord, "a table prepared in another mode than the one for its record buffer");
    bool ours = false;
    for (const HostTable& table : g_tables) ours |= &table.descriptor == this;
    if (call.Require(ours, "a table prepared through an address that is no table descriptor")) prepared = 1;
    return call.Done(1);
}

int DocumentWalk::Start(int a, int selector, int b, int c, int d) {
    ServiceCall call = Serve<52278>();
    call.Require(selector == kSalesDocumentWalk, "a document walk with an unknown selector");
    call.Require(a == 0 && b == 0 && c == 0 && d == 0, "a document walk started with other arguments than 0");
    call.Require(g_live.walks.Add(this), "a document walk started twice in the same storage");
    RecordOf(call, record::kDocumentTable);
    next = 0;
    state = 1;
    return call.Done(g_core->walk_fails() ? 0 : 1);
}

int DocumentWalk::Step() {
    ServiceCall call = Serve<52279>();
    if (!call.Require(g_live.walks.Has(this) && state == 1, "a step of a walk that is not running")) return 0;
    if (next >= g_core->document_count()) {
        ForgetCurrentDocument();
        return call.Done(0);
    }
    g_core->document(next, &g_document);
    if (char* record = RecordOf(call, record::kDocumentTable)) FillDocument(record, g_document);
    g_currentDocument = next++;
    return call.Done(1);
}

void DocumentWalk::End() {
    ServiceCall call = Serve<52281>();
    call.Require(g_live.walks.Has(this) && state == 1, "a walk ended that is not running");
    state = 2;
    ForgetCurrentDocument();
    call.Done();
}

DocumentWalk::~DocumentWalk() noexcept(false) {
    ServiceCall call = Serve<50538>();
    call.Require(g_live.walks.Has(this), "a walker destroyed that does not exist");
    call.Require(state == 2, "a walker destroyed before its walk was ended");
    g_live.walks.Remove(this);
    call.Done();
}

extern "C" void FillDocumentAmounts(int a, double* amounts, int b, int c) {
    ServiceCall call = Serve<51545>();
    call.Require(a == 0 && b == 0 && c == 0, "document amounts asked for with other arguments than 0");
    if (call.Require(g_currentDocument >= 0, "document amounts asked for with no current document"))
        memcpy(amounts, g_document.amounts, sizeof g_document.amounts);
    call.Done();
}

extern "C" int32_t* CustomerSearchKey() {
    ServiceCall call = Serve<52260>();
    return call.Done(&g_searchKey);
}

extern "C" int FindCustomer(int mode) {
    ServiceCall call = Serve<52352>();
    call.Require(mode == kFindBySearchKey, "a customer lookup in another mode than by the search key");
    char* record = RecordOf(call, record::kCustomerTable);
    MorvelCustomer customer;
    if (!g_core->customer(g_searchKey, &customer)) return call.Done(0);
    if (record) FillCustomer(record, customer);
    return call.Done(1);
}

extern "C" void CleanName(char* text) {
    ServiceCall call = Serve<40404>();
    g_core->clean_name(text);
    call.Done();
}

extern "C" void CleanAddressPart(char* text) {
    ServiceCall call = Serve<52133>();
    g_core->clean_address_part(text);
    call.Done();
}
