#include "check/messages.h"

#include <array>

#include "src/host/polish_count.h"
#include "src/teta/terms.h"

namespace klarvo::check {
namespace {

struct Row {
    Text text;
    std::string_view english, polish;
};

// One row per text, in the order of Text.
constexpr Row kRows[] = {
    {Text::PlaceInFile, "{1}: {2}", "{1}: {2}"},
    {Text::PlaceOnLine, "{1}, line {2}: {3}", "{1}, wiersz {2}: {3}"},
    {Text::PlaceInField, "{1}, line {2}, field {3}: {4}", "{1}, wiersz {2}, pole {3}: {4}"},
    {Text::FieldNamed, "{1} ({2})", "{1} ({2})"},

    {Text::FieldAccount, "account", "konto"},
    {Text::FieldDebit, "debit", "Wn"},
    {Text::FieldCredit, "credit", "Ma"},
    {Text::FieldDocumentNumber, "document number", "numer dokumentu"},
    {Text::FieldDocumentDate, "document date", "data dokumentu"},
    {Text::FieldDueDate, "due date", "termin płatności"},
    {Text::FieldDocumentDate7, "second document date", "druga data dokumentu"},
    {Text::FieldRegisterToken, "register token", "znacznik rejestru"},
    {Text::FieldDocumentDate9, "third document date", "trzecia data dokumentu"},
    {Text::FieldDescription, "description", "opis"},
    {Text::FieldNumber, "{1}", "{1}"},

    {Text::FieldKind, "kind", "rodzaj"},
    {Text::FieldCustomerNumber, "customer number", "numer kontrahenta"},
    {Text::FieldShortName, "short name", teta::term::kShortName.view()},
    {Text::FieldName, "name", teta::term::kName.view()},
    {Text::FieldPostcode, "postcode", teta::term::kPostcode.view()},
    {Text::FieldCity, "city", teta::term::kCity.view()},
    {Text::FieldStreet, "street", teta::term::kStreet.view()},
    {Text::FieldBank, "bank", teta::term::kBank.view()},
    {Text::FieldBankAccount, "bank account", teta::term::kBankAccount.view()},
    {Text::FieldTaxId, "tax id", teta::term::kTaxId.view()},
    {Text::FieldCreditLimit, "credit limit", "limit kredytu"},
    {Text::FieldDiscount, "discount", "rabat"},

    {Text::ColumnDocument, "document", "dokument"},
    {Text::ColumnDate, "date", "data"},
    {Text::ColumnToken, "token", "znacznik"},

    {Text::LongLine, "a line longer than {1}: the file is not read further",
     "wiersz dłuższy niż {1}: dalszej części pliku program nie czyta"},
    {Text::NoLastLineEnd, "the file ends inside a line: it is probably incomplete",
     "plik urywa się w środku wiersza – prawdopodobnie jest niekompletny"},
    {Text::BareLineFeed, "the line ends with LF alone, not CR LF", "wiersz kończy się samym LF, a nie CR LF"},
    {Text::CarriageReturnInside, "a CR inside the line", "znak CR wewnątrz wiersza"},
    {Text::EmptyFile, "the file is empty: it has no header line", "plik jest pusty: nie ma wiersza nagłówka"},

    {Text::RegisterHeaderNot, "the header line is not \"SP■    ■YYYY-MM-DD■\" with a real date",
     "wiersz nagłówka powinien mieć postać „SP■    ■RRRR-MM-DD■” z poprawną datą"},
    {Text::AccountsWhereRegister, "the customer accounts file was given where the sales register belongs: are the two "
     "files swapped?",
     "podano plik kont kontrahentów zamiast pliku rejestru sprzedaży – czy pliki nie zostały zamienione?"},
    {Text::NoRegister, "this is no Teta sales register file: its first line is not \"SP■    ■YYYY-MM-DD■\"",
     "to nie jest plik rejestru sprzedaży Teta: jego pierwszy wiersz nie ma postaci „SP■    ■RRRR-MM-DD■”"},
    {Text::PostingFieldsRule, "a posting record without its {1} fields",
     "rekord księgowania o liczbie pól innej niż {1}"},
    {Text::PostingFields, "the line has {1}, where a posting record has {2}",
     "wiersz ma {1}, a rekord księgowania powinien mieć {2}"},
    {Text::NotAnAccount, "not an account of 1 to {1} characters padded to {2}",
     "konto powinno mieć od 1 do {1} znaków i być dopełnione odstępami do {2}"},
    {Text::NotADate, "not a real date YYYY-MM-DD",
     "to nie jest poprawna data w postaci RRRR-MM-DD"},
    {Text::NotTheDocumentDate, "not the document date",
     "data inna niż data dokumentu"},
    {Text::DueBeforeDocument, "a due date before the document date", "termin płatności przed datą dokumentu"},
    {Text::LongDescription, "a description longer than {1}",
     "opis dłuższy niż {1}"},
    {Text::NotTheConstant, "not the constant \"{1}\"", "pole powinno zawierać stałą „{1}”"},
    {Text::NotAnAmount, "not an amount written with \"{1}\"", "kwota nie jest zapisana w postaci „{1}”"},
    {Text::NotAToken, "neither {1} blanks nor a letter and \"{2}\"",
     "pole powinno zawierać {1} odstępów albo literę i „{2}”"},
    {Text::TokenWithoutCredit, "a register token on a posting without a credit amount",
     "znacznik rejestru przy księgowaniu bez kwoty Ma"},
    {Text::UnbalancedRule, "a document whose debits and credits differ",
     "dokument, w którym suma Wn różni się od sumy Ma"},
    {Text::Unbalanced, "document {1} of {2}: debits {3}, credits {4} (difference {5})",
     "dokument {1} z dnia {2}: suma Wn {3}, suma Ma {4} (różnica {5})"},
    {Text::TwiceRule, "a document that stands twice in the register", "dokument zapisany w rejestrze dwa razy"},
    {Text::Twice, "document {1} of {2} stands twice, {3} and {4}: Teta would book it twice",
     "dokument {1} z dnia {2} jest zapisany dwa razy, {3} i {4}: Teta zaksięgowałaby go dwukrotnie"},
    {Text::AtLine, "at line {1}", "w wierszu {1}"},
    {Text::AtLines, "at lines {1}–{2}", "w wierszach {1}–{2}"},
    {Text::LineNamed, "line {1}", "wiersz {1}"},
    {Text::LinesNamed, "lines {1}–{2}", "wiersze {1}–{2}"},
    {Text::SameNumberRule, "two documents under one number", "dwa różne dokumenty o tym samym numerze"},
    {Text::SameNumber,
     "number {1} stands for two documents, of {2} ({3}) and of {4} ({5}): Teta books a document by its number, so "
     "one of them would not be booked as the register holds it",
     "pod numerem {1} są dwa dokumenty: z dnia {2} ({3}) i z dnia {4} ({5}); Teta księguje dokument według numeru, "
     "więc jeden z nich nie zostałby zaksięgowany tak, jak zapisano go w rejestrze"},
    {Text::RepeatRule, "a document that an earlier export holds already",
     "dokument, który jest już we wcześniejszym eksporcie"},
    {Text::Repeat, "document {1} of {2} is in an earlier export already ({3}): importing it again books it twice",
     "dokument {1} z dnia {2} jest już we wcześniejszym eksporcie ({3}): ponowny import zaksięguje go drugi raz"},
    {Text::FullAccountRule, "an account of exactly {1} characters: it may have been cut",
     "konto o długości dokładnie {1} znaków: mogło zostać skrócone"},
    {Text::FullAccount, "the account {1} fills all {2} and may have been cut",
     "konto {1} zajmuje wszystkie {2} i mogło zostać skrócone"},
    {Text::NoRecordRule, "a posting to a customer with no record in the customer accounts file",
     "księgowanie na konto kontrahenta, którego nie ma w pliku kont kontrahentów"},
    {Text::NoRecord, "a posting to {1} (customer {2}): the customer accounts file holds no record of this customer",
     "księgowanie na konto {1} (kontrahent {2}): w pliku kont kontrahentów nie ma tego kontrahenta"},
    {Text::UnmarkedRule, "a posting to customer 0 or to a customer the host does not mark",
     "księgowanie na konto kontrahenta 0 albo kontrahenta spoza kartoteki programu"},
    {Text::Unmarked, "a posting to {1} (customer {2}): no customer of the host has this number, so the customer "
     "accounts file holds no record of this customer",
     "księgowanie na konto {1} (kontrahent {2}): w kartotece programu nie ma kontrahenta o tym numerze, więc w pliku "
     "!Konta.fkx nie ma rekordu tego kontrahenta"},
    {Text::MergedRule, "customers merged on one account by the cut to {1} characters",
     "kontrahenci połączeni na jednym koncie przez skrócenie konta do {1} znaków"},
    {Text::Merged, "the account {1} is the template {2} cut to {3} characters: the postings of customers {4} land on "
     "it, and Teta would book them as one customer's. Shorten the account template in the posting scheme and export "
     "again",
     "konto {1} to szablon {2} skrócony do {3} znaków: trafiają na nie księgowania kontrahentów {4}, a Teta "
     "zaksięguje je jak jednego kontrahenta. Skróć szablon konta w schemacie dekretu i powtórz eksport"},
    {Text::SeriesGapRule, "numbers missing from a series of document numbers: they may be invoices of another "
                          "period, without a date, not marked for export or cancelled",
     "luki w numeracji dokumentów: brakujące numery mogą mieć faktury z innego okresu, bez daty, nieoznaczone do "
     "eksportu lub anulowane"},
    {Text::SeriesGap, "between {1} and {2} the register lacks {3}", "między {1} a {2} w rejestrze brakuje: {3}"},
    {Text::MoreRanges, " and another {1}", " i jeszcze {1}"},

    {Text::SwappedRule, "the two files swapped", "pliki zamienione miejscami"},
    {Text::AccountsHeaderNot, "the header line is not six blanks, Ź and six blanks",
     "wiersz nagłówka powinien zawierać sześć odstępów, literę Ź i sześć odstępów"},
    {Text::RegisterWhereAccounts, "the sales register file was given where the customer accounts file belongs: are "
     "the two files swapped?",
     "podano plik rejestru sprzedaży zamiast pliku kont kontrahentów – czy pliki nie zostały zamienione?"},
    {Text::NoAccounts, "this is no Teta customer accounts file: its first line is not six blanks, Ź and six blanks",
     "to nie jest plik kont kontrahentów Teta: jego pierwszy wiersz nie zawiera sześciu odstępów, litery Ź i sześciu "
     "odstępów"},
    {Text::AccountFieldsRule, "a customer account record without its {1} fields",
     "rekord kontrahenta o liczbie pól innej niż {1}"},
    {Text::AccountFields, "the line has {1}, where a customer account record has {2}",
     "wiersz ma {1}, a rekord kontrahenta powinien mieć {2}"},
    {Text::NotACustomerNumber, "not a customer number from 1 to 65999 or -1 to -65999",
     "numer kontrahenta powinien mieścić się w zakresie od 1 do 65999 albo od -1 do -65999"},
    {Text::SecondRecordRule, "a customer with a second record",
     "kontrahent zapisany dwa razy"},
    {Text::SecondRecord, "customer {1} has a second record",
     "kontrahent {1} ma drugi rekord"},
    {Text::WidthRule, "a field not as wide as its width",
     "pole o innej szerokości, niż przewiduje format"},
    {Text::Width, "the field has {1} where it should have {2}",
     "pole ma {1}, a powinno mieć {2}"},
    {Text::FullFieldRule, "a {1} that fills its field: it may have been cut",
     "pole „{1}” wypełnione do końca: tekst mógł zostać skrócony"},
    {Text::FullField, "customer {1} ({2}): the {3} fills all {4} of its field and may have lost its end",
     "kontrahent {1} ({2}): pole „{3}” jest wypełnione do końca ({4}), więc tekst mógł stracić końcówkę"},
    {Text::UnsplitAddressRule, "an address that could not be split into postcode, city and street",
     "adres, którego nie udało się podzielić na kod pocztowy, miejscowość i ulicę"},
    {Text::UnsplitAddress, "customer {1} ({2}): the address could not be split into postcode, city and street",
     "kontrahent {1} ({2}): adresu nie udało się podzielić na kod pocztowy, miejscowość i ulicę"},
    {Text::StreetInCityRule, "a city that holds a street marker or a comma: the address may have been split wrongly",
     "miejscowość z oznaczeniem ulicy albo przecinkiem: adres mógł zostać źle podzielony"},
    {Text::StreetInCity, "customer {1} ({2}): the city \"{3}\" holds a street marker or a comma; the address may have "
     "been split wrongly",
     "kontrahent {1} ({2}): miejscowość „{3}” zawiera oznaczenie ulicy albo przecinek, więc adres mógł zostać źle "
     "podzielony"},
    {Text::TaxIdRule, "a tax number (NIP) that is not ten digits with the right check digit",
     "NIP, który nie ma 10 cyfr z właściwą cyfrą kontrolną"},
    {Text::TaxIdCheck, "customer {1} ({2}): the tax number {3} is no valid NIP (ten digits, the last one a check "
     "digit); mend it in the host",
     "kontrahent {1} ({2}): NIP {3} jest niepoprawny (NIP ma 10 cyfr, ostatnia jest cyfrą kontrolną); popraw go "
     "w programie"},
    {Text::BankAccountRule, "a bank account number (NRB) whose check digits are wrong",
     "numer rachunku (NRB) z błędnymi cyframi kontrolnymi"},
    {Text::BankAccountCheck, "customer {1} ({2}): the bank account number {3} fails its check digits; mend it in "
     "the host",
     "kontrahent {1} ({2}): numer rachunku {3} ma błędne cyfry kontrolne; popraw go w programie"},
    {Text::BankDigitsRule, "a bank account number that is not 26 digits",
     "numer rachunku, który nie ma 26 cyfr"},
    {Text::BankDigits, "customer {1} ({2}): the bank account number \"{3}\" has {4}, not 26: the bank's name may "
     "hold a digit, or the number was mistyped",
     "kontrahent {1} ({2}): numer rachunku „{3}” ma {4}, a nie 26: nazwa banku może zawierać cyfrę albo numer "
     "wpisano z błędem"},
    {Text::BankNameRule, "a bank's name that fills its field: it may have been cut inside a word",
     "nazwa banku wypełniająca całe pole: mogła zostać ucięta w środku wyrazu"},
    {Text::BankName, "customer {1} ({2}): the bank's name \"{3}\" fills all {4} of its field and may have been cut "
     "inside a word",
     "kontrahent {1} ({2}): nazwa banku „{3}” zajmuje całe pole ({4}) i mogła zostać ucięta w środku wyrazu"},
    {Text::ChangedRecordRule, "a customer whose account record differs from the one exported before",
     "kontrahent, którego rekord różni się od wcześniej eksportowanego"},
    {Text::ChangedRecord, "customer {1}: the account record differs from the one exported before",
     "kontrahent {1}: rekord różni się od wcześniej eksportowanego"},
    {Text::UnbookedAccountRule,
     "an account record that no posting of the register books to (the files of two exports, or a document left out)",
     "konto kontrahenta, na które nie księguje żaden rekord rejestru (pliki dwóch różnych eksportów albo pominięty "
     "dokument)"},
    {Text::UnbookedAccount, "customer {1} has an account record, but no posting of the register books to its account",
     "kontrahent {1} ma rekord w pliku kont, ale żaden rekord rejestru nie księguje na jego konto"},

    {Text::StrangeCharacterRule, "a character not allowed (neither a Polish letter nor ASCII)",
     "niedozwolony znak (spoza polskiego alfabetu i ASCII)"},
    {Text::StrangeCharacter, "{1} (0x{2}) at character {3}: a character not allowed (neither a Polish letter nor ASCII)",
     "{1} (0x{2}) na pozycji {3}: niedozwolony znak (spoza polskiego alfabetu i ASCII)"},
    {Text::StrangeControl, "a control character (0x{1}) at character {2}: not allowed in a text",
     "znak sterujący (0x{1}) na pozycji {2}: niedozwolony w tekście"},

    {Text::IsADirectory, "{1}: is a directory, not a file",
     "{1}: to jest folder, a nie plik"},
    {Text::CannotRead, "{1}: cannot be read",
     "{1}: nie można odczytać pliku"},
    {Text::CannotReadConfiguration, "{1}: cannot be read as the host's configuration",
     "{1}: nie można odczytać konfiguracji programu"},
    {Text::NoSuchPath, "{1}: there is no such file or folder", "{1}: nie ma takiego pliku ani folderu"},
    {Text::OneFile, "{1}: one file given; give a company folder or both files",
     "{1}: podano jeden plik; podaj folder firmy albo oba pliki"},
    {Text::FolderWithout, "{1}: the folder holds no file {2}", "{1}: w folderze nie ma pliku {2}"},

    {Text::ExportFolderWithout, "{1}: the folder holds no {2}, under this name or another",
     "{1}: w folderze nie ma pliku {2} ani pliku tego rodzaju pod inną nazwą"},
    {Text::ExportFolderTwice, "{1}: the folder holds two files of one kind, {2} and {3}",
     "{1}: w folderze są dwa pliki tego samego rodzaju, {2} i {3}"},
    {Text::ArchiveNotFolder, "{1}: is no folder; the archive of imports is a folder",
     "{1}: to nie jest folder, a archiwum importów musi być folderem"},
    {Text::ArchiveEntryDamaged,
     "the archive of imports is damaged: {1}. Until it is mended it cannot tell what was imported: put the two files "
     "of that import back into the folder, or move the folder out of the archive, then check again.",
     "archiwum importów jest uszkodzone: {1}. Dopóki nie zostanie naprawione, nie wiadomo, co już zaimportowano: "
     "umieść w tym folderze oba pliki tamtego importu albo przenieś folder poza archiwum i sprawdź ponownie."},
    {Text::ArchiveFileUnsound, "{1}: its files do not pass the check: {2}", "{1}: w plikach są błędy: {2}"},
    {Text::ArchiveStrangeRule, "something in the archive that is no archived export: it is not read",
     "w archiwum jest plik lub folder, który nie jest zarchiwizowanym eksportem; program go pomija"},
    {Text::ArchiveStrange, "no archived export; not read",
     "to nie jest zarchiwizowany eksport; program go pomija"},
    {Text::UnfinishedCopyRule, "a copy that an interrupted run left unfinished: it can be deleted",
     "kopia, której nie dokończyło przerwane sprawdzanie: można ją usunąć"},
    {Text::UnfinishedCopy, "unfinished, not read; it can be deleted",
     "niedokończona kopia, program ją pomija; można ją usunąć"},
    {Text::Archived, "Archived in {1}: both files, read-only.", "Zarchiwizowano w {1}: oba pliki, tylko do odczytu."},
    {Text::NotArchivedFindings, "Nothing archived: the files have findings. Do not import them: mend the cause, export "
     "again and check the new files.",
     "Nic nie zarchiwizowano, bo w plikach są błędy. Nie importuj tych plików: usuń przyczynę, wyeksportuj dane "
     "ponownie i sprawdź je jeszcze raz."},
    {Text::NothingToArchive, "Nothing archived: the register holds no document.",
     "Nic nie zarchiwizowano: rejestr nie zawiera żadnego dokumentu."},
    {Text::ArchiveFailed, "{1}: the files cannot be archived ({2}); nothing archived",
     "{1}: nie można zarchiwizować plików ({2}); nic nie zarchiwizowano"},

    {Text::NoFindings, "No findings.", "Nie znaleziono błędów."},
    {Text::NoFindingsButNotes, "No findings. Look at the notes before the import.",
     "Nie znaleziono błędów. Przejrzyj uwagi przed importem."},
    {Text::FindingsTitle, "Findings, to mend before the import ({1}):",
     "Błędy do poprawienia przed importem ({1}):"},
    {Text::NotesTitle, "Notes, to look at before the import ({1}):",
     "Uwagi do przejrzenia przed importem ({1}):"},
    {Text::GroupHeading, "{1} ({2})", "{1} ({2})"},
    {Text::MorePlaces, "… and another {1} (--all lists them)",
     "… i jeszcze {1} (wszystkie pokazuje opcja --all)"},
    {Text::Summary, "{1}. Documents {2}, postings {3}, customers {4}, debits {5}, credits {6}, findings {7}, notes {8}.",
     "{1}. Dokumenty: {2}, księgowania: {3}, kontrahenci: {4}, Wn: {5}, Ma: {6}, błędy: {7}, uwagi: {8}."},
    {Text::DatesOfRun, "Document dates {1} to {2} (exported on {3})", "Daty dokumentów: {1}–{2} (eksport z dnia {3})"},
    {Text::DatesOfUnknownRun, "Document dates {1} to {2}; the day of the export unknown",
     "Daty dokumentów: {1}–{2}; data eksportu nieznana"},
    {Text::NoDocumentsOfRun, "No documents (exported on {1})", "Brak dokumentów (eksport z dnia {1})"},
    {Text::NoDocumentsOfUnknownRun, "No documents; the day of the export unknown", "Brak dokumentów; data eksportu nieznana"},
    {Text::ShowAccounts, "Customer accounts {1}:", "Konta kontrahentów {1}:"},
    {Text::ShowRegister, "Sales register {1}:", "Rejestr sprzedaży {1}:"},

    {Text::ReportTitle, "Export check report", "Raport kontroli eksportu"},
    {Text::ReportFiles, "Files {1} and {2}", "Pliki {1} i {2}"},
    {Text::ReportChecked, "Checked on {1} by klarvo-check {2}", "Sprawdzono {1} programem klarvo-check {2}"},
    {Text::VerdictFindings, "Do not import these files: the check found {1}.",
     "Nie importuj tych plików: kontrola wykazała {1}."},
    {Text::VerdictNotes, "No findings; look at {1} before the import.",
     "Nie znaleziono błędów; przed importem przejrzyj {1}."},
    {Text::VerdictClean, "No findings and no notes.", "Nie znaleziono błędów ani uwag."},
    {Text::ReportSummary, "Summary", "Podsumowanie"},
    {Text::LabelDocuments, "Documents", "Dokumenty"},
    {Text::LabelPostings, "Postings", "Księgowania"},
    {Text::LabelCustomers, "Customers", "Kontrahenci"},
    {Text::LabelFindings, "Findings", "Błędy"},
    {Text::LabelNotes, "Notes", "Uwagi"},
    {Text::ReportDocuments, "Documents exported ({1})", "Wyeksportowane dokumenty ({1})"},
    {Text::ReportPositions, "Totals per position of the posting scheme", "Sumy według pozycji schematu dekretu"},
    {Text::ReportPositionsHint, "The host's VAT register of the period must show the same amounts.",
     "Te same kwoty musi wykazać rejestr VAT programu za ten okres."},
    {Text::ReportAccounts, "Totals per account", "Sumy według kont"},
    {Text::ColumnOrdinal, "No.", "Lp."},
    {Text::ColumnNumber, "number", "numer"},
    {Text::ColumnCustomer, "customer", "kontrahent"},
    {Text::ColumnGross, "gross", "brutto"},
    {Text::ColumnNet, "net", "netto"},
    {Text::ColumnVat, "VAT", "VAT"},
    {Text::ColumnAccounts, "accounts", "konta"},
    {Text::ColumnPostings, "postings", "księgowania"},
    {Text::ColumnPosition, "position", "pozycja"},
    {Text::ColumnAmount, "amount", "kwota"},
    {Text::TotalRow, "Total", "Razem"},
    {Text::NoEntry, "postings that no entry of the scheme makes", "księgowania spoza schematu"},
    {Text::ReportFileName, "Export check report.html", "Raport kontroli eksportu.html"},
    {Text::ReportWritten, "Report: {1}", "Raport: {1}"},
    {Text::ReportFailed, "{1}: the report cannot be written ({2})", "{1}: nie można zapisać raportu ({2})"},
    {Text::ReportOption, "write the report of the check as a web page (HTML) to this file",
     "zapisz raport z kontroli jako stronę internetową (HTML) w tym pliku"},
    {Text::BoxReport, "{1}\n\n{2}\n\nThe report is in {3}.", "{1}\n\n{2}\n\nRaport zapisano w pliku {3}."},

    {Text::Description, "Reads the two Teta import files back and says whether they are sound, before an import.",
     "Sprawdza oba pliki eksportu przed importem do systemu Teta."},
    {Text::Footer, "Exit codes: 0 sound, 1 findings (a document exported before among them), 2 the files cannot be "
     "read or archived.",
     "Kody wyjścia: 0 – nie znaleziono błędów, 1 – w plikach są błędy (także dokument już eksportowany), 2 – plików nie "
     "można odczytać albo zarchiwizować."},
    {Text::FilesName, "FILES", "PLIKI"},
    {Text::FilesOption, "a company folder, or the register file and the accounts file",
     "folder firmy albo plik rejestru i plik kont"},
    {Text::ShowOption, "show both files as aligned tables before the findings",
     "pokaż oba pliki w postaci tabel przed listą błędów"},
    {Text::CsvOption,
     "one table as CSV on standard output, for programs: its column names are the same in every language (register: "
     "account, debit, credit, document, date, due_date, token, description; accounts: customer, short_name, name, "
     "postcode, city, street, bank, bank_account, tax_id, credit_limit, discount); findings on standard error",
     "jedna tabela jako CSV na standardowe wyjście, dla programów: nazwy kolumn są takie same w każdym języku "
     "(rejestr: account, debit, credit, document, date, due_date, token, description; konta: customer, short_name, "
     "name, postcode, city, street, bank, bank_account, tax_id, credit_limit, discount); błędy i uwagi na standardowe "
     "wyjście błędów"},
    {Text::ExcelOption, "the same as a Polish spreadsheet opens it: UTF-8 with BOM, \";\", decimal comma",
     "to samo w postaci, którą otwiera polski arkusz kalkulacyjny: UTF-8 z BOM, „;”, przecinek dziesiętny"},
    {Text::TableOption, "the table of --csv or --excel", "tabela dla --csv albo --excel"},
    {Text::AllOption, "list every place of every finding, not only the first 5 of each rule",
     "pokaż każde miejsce każdego błędu, a nie tylko pierwsze 5 z każdej reguły"},
    {Text::SchemeOption, "the host's configuration holding the posting scheme (default: the folder's config.ini, else "
     "the default scheme)",
     "konfiguracja programu ze schematem dekretu (domyślnie config.ini z folderu, a bez niego schemat domyślny)"},
    {Text::HistoryOption, "earlier exports (folders or register files): a document exported again is a finding",
     "wcześniejsze eksporty (foldery albo pliki rejestru): dokument eksportowany ponownie jest błędem"},
    {Text::ArchiveOption,
     "the archive of imports: the files are checked against every export in it, and added to it when sound",
     "archiwum importów: pliki są porównywane z każdym eksportem z archiwum i dodawane do niego, gdy nie ma w nich "
     "błędów"},
    {Text::LangOption, "the language of the output: pl or en (default: the user's)",
     "język komunikatów: pl albo en (domyślnie język użytkownika)"},
    {Text::HelpFlag, "show this help and end", "pokaż tę pomoc i zakończ"},
    {Text::VersionFlag, "show the version and end", "pokaż wersję i zakończ"},
    {Text::LabelUsage, "Usage", "Użycie"},
    {Text::LabelOptions, "Options", "Opcje"},
    {Text::LabelPositionals, "Positionals", "Argumenty"},
    {Text::LabelRequired, "REQUIRED", "(wymagane)"},
    {Text::LabelExcludes, "Excludes", "nie łączy się z"},
    {Text::LabelNeeds, "Needs",
     "wymaga"},
    {Text::TypeText, "TEXT", "tekst"},
    {Text::TypeFile, "FILE", "PLIK"},
    {Text::TypeArchives, "ARCHIVE", "ARCHIWUM"},
    {Text::NoFiles, "give a company folder, or the register file and the accounts file",
     "podaj folder firmy albo plik rejestru i plik kont"},
    {Text::TooManyFiles, "too many files: give a company folder or two files",
     "Za dużo plików: podaj folder firmy albo dwa pliki."},
    {Text::NotExpected, "not expected: {1}", "nieoczekiwany argument: {1}"},
    {Text::UnknownOption, "unknown option: {1}", "nieznana opcja: {1}"},
    {Text::NeedsValue, "{1} needs a value", "opcja {1} wymaga wartości"},
    {Text::NotAllowed, "{1}: a value not allowed here; --help lists the allowed ones",
     "{1}: niedozwolona wartość; dozwolone podaje --help"},
    {Text::CannotCombine, "{1} cannot go together with {2}", "opcji {1} nie można łączyć z {2}"},
    {Text::UnreadableCommandLine, "the command line cannot be read: {1}",
     "nie można odczytać wiersza poleceń: {1}"},
    {Text::DidYouMean, "did you mean {1}?", "czy chodziło o {1}?"},
};

// The numbers N of a text's {N}, as bits.
constexpr std::uint32_t Placeholders(std::string_view text) {
    std::uint32_t bits = 0;
    for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
        unsigned number = 0;
        for (std::size_t digit = at + 1; digit < text.size() && text[digit] >= '0' && text[digit] <= '9'; ++digit)
            number = number * 10 + static_cast<unsigned>(text[digit] - '0');
        bits |= 1u << number;
    }
    return bits;
}

// A text missing in one language, out of its place, or with arguments the other lacks fails the
// build, not the user.
constexpr bool Translated() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        if (static_cast<std::size_t>(row.text) != i || row.english.empty() || row.polish.empty() ||
            Placeholders(row.english) != Placeholders(row.polish))
            return false;
    }
    return true;
}
static_assert(std::size(kRows) == static_cast<std::size_t>(Text::Count), "a text without its row");
static_assert(Translated(), "a row out of order, without both texts, or with arguments that differ");

// Digits in groups of three from the right, for a Polish number of five digits or more, the groups
// held together by a non-breaking space.
std::string Grouped(Language language, std::string digits) {
    if (language != Language::Polish || digits.size() < 5) return digits;
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, "\u00A0");
    return digits;
}

}  // namespace

std::string_view Wording(Language language, Text text) {
    const Row& row = kRows[static_cast<std::size_t>(text)];
    return language == Language::Polish ? row.polish : row.english;
}

std::string Say(Language language, const Message& message) {
    const std::string_view wording = Wording(language, message.text);
    std::string said;
    for (std::size_t at = 0; at < wording.size();) {
        const std::size_t open = wording.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : wording.find('}', open);
        if (close == std::string_view::npos) {
            said += wording.substr(at);
            break;
        }
        said += wording.substr(at, open - at);
        std::size_t number = 0;
        for (const char digit : wording.substr(open + 1, close - open - 1)) number = number * 10 + (digit - '0');
        if (number >= 1 && number <= message.arguments.size()) said += message.arguments[number - 1];
        at = close + 1;
    }
    return said;
}

CheckFailure::CheckFailure(Message message)
    : std::runtime_error(Say(Language::English, message)), message(std::move(message)) {}

std::string Amount(Language language, std::int64_t hundredths) {
    const std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : hundredths;
    const std::string cents = std::to_string(magnitude % 100);
    return (hundredths < 0 ? "-" : "") + Grouped(language, std::to_string(magnitude / 100)) +
           (language == Language::Polish ? "," : ".") + (cents.size() < 2 ? "0" : "") + cents;
}

std::string Count(Language language, std::int64_t count) {
    return (count < 0 ? "-" : "") + Grouped(language, std::to_string(count < 0 ? -count : count));
}

std::string Counted(Language language, std::int64_t count, Noun noun) {
    struct Forms {
        std::string_view englishOne, englishMany;
        polish::Forms<std::string_view> polish;
    };
    // In the order of Noun.
    static constexpr Forms kNouns[] = {
        {"byte", "bytes", {"bajt", "bajty", "bajtów"}},
        {"character", "characters", {"znak", "znaki", "znaków"}},
        {"digit", "digits", {"cyfrę", "cyfry", "cyfr"}},
        {"field followed by the separator", "fields, each followed by the separator",
         {"pole zakończone separatorem", "pola zakończone separatorem", "pól zakończonych separatorem"}},
        {"field after the separator Ź", "fields, each after the separator Ź",
         {"pole po separatorze Ź", "pola po separatorze Ź", "pól po separatorze Ź"}},
        {"place", "places", {"miejsce", "miejsca", "miejsc"}},
        {"range", "ranges", {"przedział", "przedziały", "przedziałów"}},
        {"finding", "findings", {"błąd", "błędy", "błędów"}},
        {"note", "notes", {"uwagę", "uwagi", "uwag"}},
    };
    const Forms& forms = kNouns[static_cast<std::size_t>(noun)];
    const std::string_view word = language == Language::Polish ? forms.polish.After(count)
                                                               : (count == 1 ? forms.englishOne : forms.englishMany);
    return Count(language, count) + " " + std::string(word);
}

std::string SystemError(Language language, const std::error_code& code) {
    struct Meaning {
        std::errc error;
        std::string_view polish;
    };
    static constexpr Meaning kMeanings[] = {
        {std::errc::not_a_directory, "to nie jest folder"},
        {std::errc::is_a_directory, "to jest folder"},
        {std::errc::no_such_file_or_directory, "nie ma takiego pliku ani folderu"},
        {std::errc::permission_denied, "brak uprawnień"},
        {std::errc::operation_not_permitted, "brak uprawnień"},
        {std::errc::read_only_file_system, "dysk tylko do odczytu"},
        {std::errc::no_space_on_device, "brak miejsca na dysku"},
        {std::errc::file_exists, "taki plik już istnieje"},
        {std::errc::directory_not_empty, "folder nie jest pusty"},
        {std::errc::filename_too_long, "za długa nazwa"},
        {std::errc::io_error, "błąd odczytu albo zapisu dysku"},
    };
    if (language == Language::Polish)
        for (const Meaning& meaning : kMeanings)
            if (code == meaning.error) return std::string(meaning.polish);
    return code.message();
}

std::string Date(Language language, std::string_view date) {
    if (language != Language::Polish || date.size() != 10 || date[4] != '-' || date[7] != '-') return std::string(date);
    return std::string(date.substr(8, 2)) + "." + std::string(date.substr(5, 2)) + "." + std::string(date.substr(0, 4));
}

}  // namespace klarvo::check
