#pragma once
// Every text klarvo-check shows, one row each: TEXT(name, English, Polish). A text's arguments
// stand where its {1}, {2}, ... stand, in the order each language needs. One list makes the
// names (check/messages.h) and the table of wordings (check/messages.cpp), so that a text cannot
// be named without its words, nor one language have a text that the other lacks.

#include "src/teta/account_fields.h"
#include "src/teta/posting_fields.h"
#include "src/teta/record_fields.h"

#define KLARVO_CHECK_TEXTS(TEXT) \
    /* Where a finding is: the file, its line, its field. */ \
    TEXT(PlaceInFile, "{1}: {2}", "{1}: {2}") \
    TEXT(PlaceOnLine, "{1}, line {2}: {3}", "{1}, wiersz {2}: {3}") \
    TEXT(PlaceInField, "{1}, line {2}, field {3}: {4}", "{1}, wiersz {2}, pole {3}: {4}") \
    TEXT(FieldNamed, "{1} ({2})", "{1} ({2})") \
    /* A field without a name, by its number. */ \
    TEXT(FieldNumber, "{1}", "{1}") \
    /* The register table's own headings. */ \
    TEXT(ColumnDocument, "document", "dokument") \
    TEXT(ColumnDate, "date", "data") \
    TEXT(ColumnToken, "token", "znacznik") \
    /* The lines of a file. */ \
    TEXT(LongLine, \
         "a line longer than {1}: the file is not read further", \
         "wiersz dłuższy niż {1}: dalszej części pliku program nie czyta") \
    TEXT(NoLastLineEnd, \
         "the file ends inside a line: it is probably incomplete", \
         "plik urywa się w środku wiersza – prawdopodobnie jest niekompletny") \
    TEXT(BareLineFeed, "the line ends with LF alone, not CR LF", "wiersz kończy się samym LF, a nie CR LF") \
    TEXT(CarriageReturnInside, "a CR inside the line", "znak CR wewnątrz wiersza") \
    TEXT(EmptyFile, "the file is empty: it has no header line", "plik jest pusty: nie ma wiersza nagłówka") \
    /* The register. */ \
    TEXT(RegisterHeaderNot, \
         "the header line is not \"SP■    ■YYYY-MM-DD■\" with a real date", \
         "wiersz nagłówka powinien mieć postać „SP■    ■RRRR-MM-DD■” z poprawną datą") \
    TEXT(AccountsWhereRegister, \
         "the customer accounts file was given where the sales register belongs: are the two files swapped?", \
         "podano plik kont kontrahentów zamiast pliku rejestru sprzedaży – czy pliki nie zostały zamienione?") \
    TEXT(NoRegister, \
         "this is no Teta sales register file: its first line is not \"SP■    ■YYYY-MM-DD■\"", \
         "to nie jest plik rejestru sprzedaży Teta: jego pierwszy wiersz nie ma postaci „SP■    ■RRRR-MM-DD■”") \
    TEXT(PostingFieldsRule, \
         "a posting record without its {1} fields", \
         "rekord księgowania o liczbie pól innej niż {1}") \
    TEXT(PostingFields, \
         "the line has {1}, where a posting record has {2}", \
         "wiersz ma {1}, a rekord księgowania powinien mieć {2}") \
    TEXT(NotAnAccount, \
         "not an account of 1 to {1} characters padded to {2}", \
         "konto powinno mieć od 1 do {1} znaków i być dopełnione odstępami do {2}") \
    TEXT(NotADate, "not a real date YYYY-MM-DD", "to nie jest poprawna data w postaci RRRR-MM-DD") \
    TEXT(NotTheDocumentDate, "not the document date", "data inna niż data dokumentu") \
    TEXT(DueBeforeDocument, "a due date before the document date", "termin płatności przed datą dokumentu") \
    TEXT(LongDescription, "a description longer than {1}", "opis dłuższy niż {1}") \
    TEXT(NotTheConstant, "not the constant \"{1}\"", "pole powinno zawierać stałą „{1}”") \
    TEXT(NotAnAmount, "not an amount written with \"{1}\"", "kwota nie jest zapisana w postaci „{1}”") \
    TEXT(NotAToken, \
         "neither {1} blanks nor a letter and \"{2}\"", \
         "pole powinno zawierać {1} odstępów albo literę i „{2}”") \
    TEXT(TokenWithoutCredit, \
         "a register token on a posting without a credit amount", \
         "znacznik rejestru przy księgowaniu bez kwoty Ma") \
    TEXT(UnbalancedRule, \
         "a document whose debits and credits differ", \
         "dokument, w którym suma Wn różni się od sumy Ma") \
    TEXT(Unbalanced, \
         "document {1} of {2}: debits {3}, credits {4} (difference {5})", \
         "dokument {1} z dnia {2}: suma Wn {3}, suma Ma {4} (różnica {5})") \
    TEXT(TwiceRule, "a document that stands twice in the register", "dokument zapisany w rejestrze dwa razy") \
    TEXT(Twice, \
         "document {1} of {2} stands twice, {3} and {4}: Teta would book it twice", \
         "dokument {1} z dnia {2} jest zapisany dwa razy, {3} i {4}: Teta zaksięgowałaby go dwukrotnie") \
    TEXT(AtLine, "at line {1}", "w wierszu {1}") \
    TEXT(AtLines, "at lines {1}–{2}", "w wierszach {1}–{2}") \
    TEXT(LineNamed, "line {1}", "wiersz {1}") \
    TEXT(LinesNamed, "lines {1}–{2}", "wiersze {1}–{2}") \
    TEXT(SameNumberRule, "two documents under one number", "dwa różne dokumenty o tym samym numerze") \
    TEXT(SameNumber, \
         "number {1} stands for two documents, of {2} ({3}) and of {4} ({5}): Teta books a document by its " \
         "number, so one of them would not be booked as the register holds it", \
         "pod numerem {1} są dwa dokumenty: z dnia {2} ({3}) i z dnia {4} ({5}); Teta księguje dokument " \
         "według numeru, więc jeden z nich nie zostałby zaksięgowany tak, jak zapisano go w rejestrze") \
    TEXT(RepeatRule, \
         "a document that an earlier export holds already", \
         "dokument, który jest już we wcześniejszym eksporcie") \
    TEXT(Repeat, \
         "document {1} of {2} is in an earlier export already ({3}): importing it again books it twice", \
         "dokument {1} z dnia {2} jest już we wcześniejszym eksporcie ({3}): ponowny import zaksięguje go " \
         "drugi raz") \
    TEXT(FullAccountRule, \
         "an account of exactly {1} characters: it may have been cut", \
         "konto o długości dokładnie {1} znaków: mogło zostać skrócone") \
    TEXT(FullAccount, \
         "the account {1} fills all {2} and may have been cut", \
         "konto {1} zajmuje wszystkie {2} i mogło zostać skrócone") \
    TEXT(NoRecordRule, \
         "a posting to a customer with no record in the customer accounts file", \
         "księgowanie na konto kontrahenta, którego nie ma w pliku kont kontrahentów") \
    TEXT(NoRecord, \
         "a posting to {1} (customer {2}): the customer accounts file holds no record of this customer", \
         "księgowanie na konto {1} (kontrahent {2}): w pliku kont kontrahentów nie ma tego kontrahenta") \
    TEXT(UnmarkedRule, \
         "a posting to customer 0 or to a customer the host does not mark", \
         "księgowanie na konto kontrahenta 0 albo kontrahenta spoza kartoteki programu") \
    TEXT(Unmarked, \
         "a posting to {1} (customer {2}): no customer of the host has this number, so the customer accounts " \
         "file holds no record of this customer", \
         "księgowanie na konto {1} (kontrahent {2}): w kartotece programu nie ma kontrahenta o tym numerze, " \
         "więc w pliku !Konta.fkx nie ma rekordu tego kontrahenta") \
    TEXT(MergedRule, \
         "customers merged on one account by the cut to {1} characters", \
         "kontrahenci połączeni na jednym koncie przez skrócenie konta do {1} znaków") \
    TEXT(Merged, \
         "the account {1} is the template {2} cut to {3} characters: the postings of customers {4} land on " \
         "it, and Teta would book them as one customer's. Shorten the account template in the posting scheme " \
         "and export again", \
         "konto {1} to szablon {2} skrócony do {3} znaków: trafiają na nie księgowania kontrahentów {4}, a " \
         "Teta zaksięguje je jak jednego kontrahenta. Skróć szablon konta w schemacie dekretu i powtórz " \
         "eksport") \
    TEXT(SeriesGapRule, \
         "numbers missing from a series of document numbers: they may be invoices of another period, without " \
         "a date, not marked for export or cancelled", \
         "luki w numeracji dokumentów: brakujące numery mogą mieć faktury z innego okresu, bez daty, " \
         "nieoznaczone do eksportu lub anulowane") \
    TEXT(SeriesGap, "between {1} and {2} the register lacks {3}", "między {1} a {2} w rejestrze brakuje: {3}") \
    TEXT(MoreRanges, " and another {1}", " i jeszcze {1}") \
    /* The accounts file. */ \
    TEXT(SwappedRule, "the two files swapped", "pliki zamienione miejscami") \
    TEXT(AccountsHeaderNot, \
         "the header line is not six blanks, Ź and six blanks", \
         "wiersz nagłówka powinien zawierać sześć odstępów, literę Ź i sześć odstępów") \
    TEXT(RegisterWhereAccounts, \
         "the sales register file was given where the customer accounts file belongs: are the two files " \
         "swapped?", \
         "podano plik rejestru sprzedaży zamiast pliku kont kontrahentów – czy pliki nie zostały zamienione?") \
    TEXT(NoAccounts, \
         "this is no Teta customer accounts file: its first line is not six blanks, Ź and six blanks", \
         "to nie jest plik kont kontrahentów Teta: jego pierwszy wiersz nie zawiera sześciu odstępów, litery " \
         "Ź i sześciu odstępów") \
    TEXT(AccountFieldsRule, \
         "a customer account record without its {1} fields", \
         "rekord kontrahenta o liczbie pól innej niż {1}") \
    TEXT(AccountFields, \
         "the line has {1}, where a customer account record has {2}", \
         "wiersz ma {1}, a rekord kontrahenta powinien mieć {2}") \
    TEXT(NotACustomerNumber, \
         "not a customer number from 1 to 65999 or -1 to -65999", \
         "numer kontrahenta powinien mieścić się w zakresie od 1 do 65999 albo od -1 do -65999") \
    TEXT(SecondRecordRule, "a customer with a second record", "kontrahent zapisany dwa razy") \
    TEXT(SecondRecord, "customer {1} has a second record", "kontrahent {1} ma drugi rekord") \
    TEXT(WidthRule, "a field not as wide as its width", "pole o innej szerokości, niż przewiduje format") \
    TEXT(Width, "the field has {1} where it should have {2}", "pole ma {1}, a powinno mieć {2}") \
    TEXT(FullFieldRule, \
         "a {1} that fills its field: it may have been cut", \
         "pole „{1}” wypełnione do końca: tekst mógł zostać skrócony") \
    TEXT(FullField, \
         "customer {1} ({2}): the {3} fills all {4} of its field and may have lost its end", \
         "kontrahent {1} ({2}): pole „{3}” jest wypełnione do końca ({4}), więc tekst mógł stracić końcówkę") \
    TEXT(UnsplitAddressRule, \
         "an address that could not be split into postcode, city and street", \
         "adres, którego nie udało się podzielić na kod pocztowy, miejscowość i ulicę") \
    TEXT(UnsplitAddress, \
         "customer {1} ({2}): the address could not be split into postcode, city and street", \
         "kontrahent {1} ({2}): adresu nie udało się podzielić na kod pocztowy, miejscowość i ulicę") \
    TEXT(StreetInCityRule, \
         "a city that holds a street marker or a comma: the address may have been split wrongly", \
         "miejscowość z oznaczeniem ulicy albo przecinkiem: adres mógł zostać źle podzielony") \
    TEXT(StreetInCity, \
         "customer {1} ({2}): the city \"{3}\" holds a street marker or a comma; the address may have been " \
         "split wrongly", \
         "kontrahent {1} ({2}): miejscowość „{3}” zawiera oznaczenie ulicy albo przecinek, więc adres mógł " \
         "zostać źle podzielony") \
    TEXT(TaxIdRule, \
         "a tax number (NIP) that is not ten digits with the right check digit", \
         "NIP, który nie ma 10 cyfr z właściwą cyfrą kontrolną") \
    TEXT(TaxIdCheck, \
         "customer {1} ({2}): the tax number {3} is no valid NIP (ten digits, the last one a check digit); " \
         "mend it in the host", \
         "kontrahent {1} ({2}): NIP {3} jest niepoprawny (NIP ma 10 cyfr, ostatnia jest cyfrą kontrolną); " \
         "popraw go w programie") \
    TEXT(BankAccountRule, \
         "a bank account number (NRB) whose check digits are wrong", \
         "numer rachunku (NRB) z błędnymi cyframi kontrolnymi") \
    TEXT(BankAccountCheck, \
         "customer {1} ({2}): the bank account number {3} fails its check digits; mend it in the host", \
         "kontrahent {1} ({2}): numer rachunku {3} ma błędne cyfry kontrolne; popraw go w programie") \
    TEXT(BankDigitsRule, "a bank account number that is not 26 digits", "numer rachunku, który nie ma 26 cyfr") \
    TEXT(BankDigits, \
         "customer {1} ({2}): the bank account number \"{3}\" has {4}, not 26: the bank's name may hold a " \
         "digit, or the number was mistyped", \
         "kontrahent {1} ({2}): numer rachunku „{3}” ma {4}, a nie 26: nazwa banku może zawierać cyfrę albo " \
         "numer wpisano z błędem") \
    TEXT(BankNameRule, \
         "a bank's name that fills its field: it may have been cut inside a word", \
         "nazwa banku wypełniająca całe pole: mogła zostać ucięta w środku wyrazu") \
    TEXT(BankName, \
         "customer {1} ({2}): the bank's name \"{3}\" fills all {4} of its field and may have been cut inside " \
         "a word", \
         "kontrahent {1} ({2}): nazwa banku „{3}” zajmuje całe pole ({4}) i mogła zostać ucięta w środku " \
         "wyrazu") \
    TEXT(ChangedRecordRule, \
         "a customer whose account record differs from the one exported before", \
         "kontrahent, którego rekord różni się od wcześniej eksportowanego") \
    TEXT(ChangedRecord, \
         "customer {1}: the account record differs from the one exported before", \
         "kontrahent {1}: rekord różni się od wcześniej eksportowanego") \
    TEXT(UnbookedAccountRule, \
         "an account record that no posting of the register books to (the files of two exports, or a document " \
         "left out)", \
         "konto kontrahenta, na które nie księguje żaden rekord rejestru (pliki dwóch różnych eksportów albo " \
         "pominięty dokument)") \
    TEXT(UnbookedAccount, \
         "customer {1} has an account record, but no posting of the register books to its account", \
         "kontrahent {1} ma rekord w pliku kont, ale żaden rekord rejestru nie księguje na jego konto") \
    /* Both. */ \
    TEXT(StrangeCharacterRule, \
         "a character not allowed (neither a Polish letter nor ASCII)", \
         "niedozwolony znak (spoza polskiego alfabetu i ASCII)") \
    TEXT(StrangeCharacter, \
         "{1} (0x{2}) at character {3}: a character not allowed (neither a Polish letter nor ASCII)", \
         "{1} (0x{2}) na pozycji {3}: niedozwolony znak (spoza polskiego alfabetu i ASCII)") \
    TEXT(StrangeControl, \
         "a control character (0x{1}) at character {2}: not allowed in a text", \
         "znak sterujący (0x{1}) na pozycji {2}: niedozwolony w tekście") \
    /* What cannot be read. */ \
    TEXT(IsADirectory, "{1}: is a directory, not a file", "{1}: to jest folder, a nie plik") \
    TEXT(CannotRead, "{1}: cannot be read", "{1}: nie można odczytać pliku") \
    TEXT(CannotReadConfiguration, \
         "{1}: cannot be read as the host's configuration", \
         "{1}: nie można odczytać konfiguracji programu") \
    TEXT(NoSuchPath, "{1}: there is no such file or folder", "{1}: nie ma takiego pliku ani folderu") \
    TEXT(OneFile, \
         "{1}: one file given; give a company folder or both files", \
         "{1}: podano jeden plik; podaj folder firmy albo oba pliki") \
    TEXT(FolderWithout, "{1}: the folder holds no file {2}", "{1}: w folderze nie ma pliku {2}") \
    /* The archive of imports. */ \
    TEXT(ExportFolderWithout, \
         "{1}: the folder holds no {2}, under this name or another", \
         "{1}: w folderze nie ma pliku {2} ani pliku tego rodzaju pod inną nazwą") \
    TEXT(ExportFolderTwice, \
         "{1}: the folder holds two files of one kind, {2} and {3}", \
         "{1}: w folderze są dwa pliki tego samego rodzaju, {2} i {3}") \
    TEXT(ArchiveNotFolder, \
         "{1}: is no folder; the archive of imports is a folder", \
         "{1}: to nie jest folder, a archiwum importów musi być folderem") \
    TEXT(ArchiveEntryDamaged, \
         "the archive of imports is damaged: {1}. Until it is mended it cannot tell what was imported: put " \
         "the two files of that import back into the folder, or move the folder out of the archive, then " \
         "check again.", \
         "archiwum importów jest uszkodzone: {1}. Dopóki nie zostanie naprawione, nie wiadomo, co już " \
         "zaimportowano: umieść w tym folderze oba pliki tamtego importu albo przenieś folder poza archiwum i " \
         "sprawdź ponownie.") \
    TEXT(ArchiveFileUnsound, "{1}: its files do not pass the check: {2}", "{1}: w plikach są błędy: {2}") \
    TEXT(ArchiveStrangeRule, \
         "something in the archive that is no archived export: it is not read", \
         "w archiwum jest plik lub folder, który nie jest zarchiwizowanym eksportem; program go pomija") \
    TEXT(ArchiveStrange, "no archived export; not read", "to nie jest zarchiwizowany eksport; program go pomija") \
    TEXT(UnfinishedCopyRule, \
         "a copy that an interrupted run left unfinished: it can be deleted", \
         "kopia, której nie dokończyło przerwane sprawdzanie: można ją usunąć") \
    TEXT(UnfinishedCopy, \
         "unfinished, not read; it can be deleted", \
         "niedokończona kopia, program ją pomija; można ją usunąć") \
    TEXT(Archived, "Archived in {1}: both files, read-only.", "Zarchiwizowano w {1}: oba pliki, tylko do odczytu.") \
    TEXT(NotArchivedFindings, \
         "Nothing archived: the files have findings. Do not import them: mend the cause, export again and " \
         "check the new files.", \
         "Nic nie zarchiwizowano, bo w plikach są błędy. Nie importuj tych plików: usuń przyczynę, " \
         "wyeksportuj dane ponownie i sprawdź je jeszcze raz.") \
    TEXT(NothingToArchive, \
         "Nothing archived: the register holds no document.", \
         "Nic nie zarchiwizowano: rejestr nie zawiera żadnego dokumentu.") \
    TEXT(ArchiveFailed, \
         "{1}: the files cannot be archived ({2}); nothing archived", \
         "{1}: nie można zarchiwizować plików ({2}); nic nie zarchiwizowano") \
    /* The report. */ \
    TEXT(NoFindings, "No findings.", "Nie znaleziono błędów.") \
    TEXT(NoFindingsButNotes, \
         "No findings. Look at the notes before the import.", \
         "Nie znaleziono błędów. Przejrzyj uwagi przed importem.") \
    TEXT(FindingsTitle, "Findings, to mend before the import ({1}):", "Błędy do poprawienia przed importem ({1}):") \
    TEXT(NotesTitle, "Notes, to look at before the import ({1}):", "Uwagi do przejrzenia przed importem ({1}):") \
    TEXT(GroupHeading, "{1} ({2})", "{1} ({2})") \
    TEXT(MorePlaces, "… and another {1} (--all lists them)", "… i jeszcze {1} (wszystkie pokazuje opcja --all)") \
    TEXT(Summary, \
         "{1}. Documents {2}, postings {3}, customers {4}, debits {5}, credits {6}, findings {7}, notes {8}.", \
         "{1}. Dokumenty: {2}, księgowania: {3}, kontrahenci: {4}, Wn: {5}, Ma: {6}, błędy: {7}, uwagi: {8}.") \
    TEXT(DatesOfRun, "Document dates {1} to {2} (exported on {3})", "Daty dokumentów: {1}–{2} (eksport z dnia {3})") \
    TEXT(DatesOfUnknownRun, \
         "Document dates {1} to {2}; the day of the export unknown", \
         "Daty dokumentów: {1}–{2}; data eksportu nieznana") \
    TEXT(NoDocumentsOfRun, "No documents (exported on {1})", "Brak dokumentów (eksport z dnia {1})") \
    TEXT(NoDocumentsOfUnknownRun, \
         "No documents; the day of the export unknown", \
         "Brak dokumentów; data eksportu nieznana") \
    TEXT(ShowAccounts, "Customer accounts {1}:", "Konta kontrahentów {1}:") \
    TEXT(ShowRegister, "Sales register {1}:", "Rejestr sprzedaży {1}:") \
    /* The report page. */ \
    TEXT(ReportTitle, "Export check report", "Raport kontroli eksportu") \
    TEXT(ReportFiles, "Files {1} and {2}", "Pliki {1} i {2}") \
    TEXT(ReportChecked, "Checked on {1} by klarvo-check {2}", "Sprawdzono {1} programem klarvo-check {2}") \
    TEXT(VerdictFindings, \
         "Do not import these files: the check found {1}.", \
         "Nie importuj tych plików: kontrola wykazała {1}.") \
    TEXT(VerdictNotes, \
         "No findings; look at {1} before the import.", \
         "Nie znaleziono błędów; przed importem przejrzyj {1}.") \
    TEXT(VerdictClean, "No findings and no notes.", "Nie znaleziono błędów ani uwag.") \
    TEXT(ReportSummary, "Summary", "Podsumowanie") \
    TEXT(LabelDocuments, "Documents", "Dokumenty") \
    TEXT(LabelPostings, "Postings", "Księgowania") \
    TEXT(LabelCustomers, "Customers", "Kontrahenci") \
    TEXT(LabelFindings, "Findings", "Błędy") \
    TEXT(LabelNotes, "Notes", "Uwagi") \
    TEXT(ReportDocuments, "Documents exported ({1})", "Wyeksportowane dokumenty ({1})") \
    TEXT(ReportPositions, "Totals per position of the posting scheme", "Sumy według pozycji schematu dekretu") \
    TEXT(ReportPositionsHint, \
         "The host's VAT register of the period must show the same amounts.", \
         "Te same kwoty musi wykazać rejestr VAT programu za ten okres.") \
    TEXT(ReportAccounts, "Totals per account", "Sumy według kont") \
    TEXT(ColumnOrdinal, "No.", "Lp.") \
    TEXT(ColumnNumber, "number", "numer") \
    TEXT(ColumnCustomer, "customer", "kontrahent") \
    TEXT(ColumnGross, "gross", "brutto") \
    TEXT(ColumnNet, "net", "netto") \
    TEXT(ColumnVat, "VAT", "VAT") \
    TEXT(ColumnAccounts, "accounts", "konta") \
    TEXT(ColumnPostings, "postings", "księgowania") \
    TEXT(ColumnPosition, "position", "pozycja") \
    TEXT(ColumnAmount, "amount", "kwota") \
    TEXT(TotalRow, "Total", "Razem") \
    TEXT(NoEntry, "postings that no entry of the scheme makes", "księgowania spoza schematu") \
    TEXT(ReportFileName, "Export check report.html", "Raport kontroli eksportu.html") \
    TEXT(ReportWritten, "Report: {1}", "Raport: {1}") \
    TEXT(ReportFailed, "{1}: the report cannot be written ({2})", "{1}: nie można zapisać raportu ({2})") \
    TEXT(ReportOption, \
         "write the report of the check as a web page (HTML) to this file", \
         "zapisz raport z kontroli jako stronę internetową (HTML) w tym pliku") \
    TEXT(BoxReport, "{1}\n\n{2}\n\nThe report is in {3}.", "{1}\n\n{2}\n\nRaport zapisano w pliku {3}.") \
    /* The command line. */ \
    TEXT(Description, \
         "Reads the two Teta import files back and says whether they are sound, before an import.", \
         "Sprawdza oba pliki eksportu przed importem do systemu Teta.") \
    TEXT(Footer, \
         "Exit codes: 0 sound, 1 findings (a document exported before among them), 2 the files cannot be read " \
         "or archived.", \
         "Kody wyjścia: 0 – nie znaleziono błędów, 1 – w plikach są błędy (także dokument już eksportowany), " \
         "2 – plików nie można odczytać albo zarchiwizować.") \
    TEXT(FilesName, "FILES", "PLIKI") \
    TEXT(FilesOption, \
         "a company folder, or the register file and the accounts file", \
         "folder firmy albo plik rejestru i plik kont") \
    TEXT(ShowOption, \
         "show both files as aligned tables before the findings", \
         "pokaż oba pliki w postaci tabel przed listą błędów") \
    TEXT(CsvOption, \
         "one table as CSV on standard output, for programs: its column names are the same in every language " \
         "(register: account, debit, credit, document, date, due_date, token, description; accounts: " \
         "customer, short_name, name, postcode, city, street, bank, bank_account, tax_id, credit_limit, " \
         "discount); findings on standard error", \
         "jedna tabela jako CSV na standardowe wyjście, dla programów: nazwy kolumn są takie same w każdym " \
         "języku (rejestr: account, debit, credit, document, date, due_date, token, description; konta: " \
         "customer, short_name, name, postcode, city, street, bank, bank_account, tax_id, credit_limit, " \
         "discount); błędy i uwagi na standardowe wyjście błędów") \
    TEXT(ExcelOption, \
         "the same as a Polish spreadsheet opens it: UTF-8 with BOM, \";\", decimal comma", \
         "to samo w postaci, którą otwiera polski arkusz kalkulacyjny: UTF-8 z BOM, „;”, przecinek dziesiętny") \
    TEXT(TableOption, "the table of --csv or --excel", "tabela dla --csv albo --excel") \
    TEXT(AllOption, \
         "list every place of every finding, not only the first 5 of each rule", \
         "pokaż każde miejsce każdego błędu, a nie tylko pierwsze 5 z każdej reguły") \
    TEXT(SchemeOption, \
         "the host's configuration holding the posting scheme (default: the folder's config.ini, else the " \
         "default scheme)", \
         "konfiguracja programu ze schematem dekretu (domyślnie config.ini z folderu, a bez niego schemat " \
         "domyślny)") \
    TEXT(HistoryOption, \
         "earlier exports (folders or register files): a document exported again is a finding", \
         "wcześniejsze eksporty (foldery albo pliki rejestru): dokument eksportowany ponownie jest błędem") \
    TEXT(ArchiveOption, \
         "the archive of imports: the files are checked against every export in it, and added to it when sound", \
         "archiwum importów: pliki są porównywane z każdym eksportem z archiwum i dodawane do niego, gdy nie " \
         "ma w nich błędów") \
    TEXT(LangOption, \
         "the language of the output: pl or en (default: the user's)", \
         "język komunikatów: pl albo en (domyślnie język użytkownika)") \
    TEXT(HelpFlag, "show this help and end", "pokaż tę pomoc i zakończ") \
    TEXT(VersionFlag, "show the version and end", "pokaż wersję i zakończ") \
    TEXT(LabelUsage, "Usage", "Użycie") \
    TEXT(LabelOptions, "Options", "Opcje") \
    TEXT(LabelPositionals, "Positionals", "Argumenty") \
    TEXT(LabelRequired, "REQUIRED", "(wymagane)") \
    TEXT(LabelExcludes, "Excludes", "nie łączy się z") \
    TEXT(LabelNeeds, "Needs", "wymaga") \
    TEXT(TypeText, "TEXT", "tekst") \
    TEXT(TypeFile, "FILE", "PLIK") \
    TEXT(TypeArchives, "ARCHIVE", "ARCHIWUM") \
    TEXT(NoFiles, \
         "give a company folder, or the register file and the accounts file", \
         "podaj folder firmy albo plik rejestru i plik kont") \
    TEXT(TooManyFiles, \
         "too many files: give a company folder or two files", \
         "Za dużo plików: podaj folder firmy albo dwa pliki.") \
    TEXT(NotExpected, "not expected: {1}", "nieoczekiwany argument: {1}") \
    TEXT(UnknownOption, "unknown option: {1}", "nieznana opcja: {1}") \
    TEXT(NeedsValue, "{1} needs a value", "opcja {1} wymaga wartości") \
    TEXT(NotAllowed, \
         "{1}: a value not allowed here; --help lists the allowed ones", \
         "{1}: niedozwolona wartość; dozwolone podaje --help") \
    TEXT(CannotCombine, "{1} cannot go together with {2}", "opcji {1} nie można łączyć z {2}") \
    TEXT(UnreadableCommandLine, "the command line cannot be read: {1}", "nie można odczytać wiersza poleceń: {1}") \
    TEXT(DidYouMean, "did you mean {1}?", "czy chodziło o {1}?")

// The names of the records' named fields, FIELD(Name, Kind, width, constant, key, shown, English,
// Polish) each, taken from the records' lists; each is the text Field<Name>.
#define KLARVO_CHECK_FIELD_TEXTS(FIELD) \
    KLARVO_POSTING_FIELDS(FIELD, KLARVO_FIELD_SKIPPED) KLARVO_ACCOUNT_FIELDS(FIELD, KLARVO_FIELD_SKIPPED)
