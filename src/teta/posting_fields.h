#pragma once
// The posting record of the sales register, field by field in the record's order:
// FIELD(Name, Kind, width, constant, key, shown, English, Polish), UNNAMED(constant).
// The writers' format, the positions, klarvo-check's names and listing columns all come from here.

#define KLARVO_POSTING_FIELDS(FIELD, UNNAMED)                                                                  \
    FIELD(Account, Padded, 15, "", "account", 12, "account", "konto")                                            \
    FIELD(Debit, Amount, 9, "", "debit", 12, "debit", "Wn")                                                      \
    FIELD(Credit, Amount, 9, "", "credit", 12, "credit", "Ma")                                                   \
    FIELD(DocumentNumber, Text, 0, "", "document", 16, "document number", "numer dokumentu")                      \
    FIELD(DocumentDate, Date, 0, "", "date", 10, "document date", "data dokumentu")                               \
    FIELD(DueDate, Date, 0, "", "due_date", 10, "due date", "termin płatności")                                   \
    FIELD(OperationDate, Date, 0, "", "", 0, "second document date", "druga data dokumentu")                     \
    FIELD(RegisterToken, Padded, 7, "", "token", 6, "register token", "znacznik rejestru")                        \
    FIELD(TaxDate, Date, 0, "", "", 0, "third document date", "trzecia data dokumentu")                          \
    FIELD(Description, Text, 0, "", "description", 30, "description", "opis")                                    \
    UNNAMED("FA")                                                                                                \
    UNNAMED("   ")                                                                                               \
    UNNAMED("PLN")                                                                                               \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED("000000000,00")                                                                                      \
    UNNAMED("000000000,00")                                                                                      \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED("000000000000")                                                                                      \
    UNNAMED("00000,000000")                                                                                      \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")                                                                                                 \
    UNNAMED(" ")
