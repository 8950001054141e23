#pragma once
// The customer's account record, field by field after the separator that opens it:
// FIELD(Name, Kind, width, constant, key, shown, English, Polish). The Polish names are also
// those of the plug-in's notices of what it shortened.

#define KLARVO_ACCOUNT_FIELDS(FIELD, UNNAMED)                                                                  \
    FIELD(Kind, Constant, 0, "2", "", 0, "kind", "rodzaj")                                                       \
    FIELD(CustomerNumber, Integer, 0, "", "customer", 15, "customer number", "numer kontrahenta")                \
    FIELD(ShortName, Cut, 20, "", "short_name", 20, "short name", "nazwa skrócona")                             \
    FIELD(Name, Cut, 60, "", "name", 40, "name", "nazwa")                                                        \
    FIELD(Postcode, Cut, 6, "", "postcode", 8, "postcode", "kod pocztowy")                                      \
    FIELD(City, Cut, 25, "", "city", 25, "city", "miejscowość")                                                  \
    FIELD(Street, Cut, 32, "", "street", 32, "street", "ulica")                                                  \
    FIELD(Bank, Cut, 30, "", "bank", 12, "bank", "bank")                                                         \
    FIELD(BankAccount, Cut, 30, "", "bank_account", 30, "bank account", "numer rachunku")                        \
    FIELD(TaxId, Cut, 18, "", "tax_id", 18, "tax id", "NIP")                                                     \
    FIELD(CreditLimit, Amount, 0, "", "credit_limit", 12, "credit limit", "limit kredytu")                       \
    FIELD(Discount, Amount, 0, "", "discount", 8, "discount", "rabat")
