// The host's numbered services, as the simulator provides them. Each checks the contract that
// the plug-in relies on from its side, and complains loudly when the plug-in breaks one.

#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <utility>

#include "dates.h"
#include "exports.h"
#include "formatting.h"
#include "host.h"
#include "host/mazovia.h"
#include "host/services.h"
#include "ini_store.h"
#include "text_cleanup.h"
#include "text_file.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

Host& H() { return Host::Active(); }

// ---- output files (text mode: every line end becomes CR LF)

HostFile* OpenFile(const char* name, const char* mode, int, int, int, int, int, int, int) {
    H().Require(std::strcmp(mode, "wt") == 0, std::string("an output file opened in mode ") + mode);
    std::FILE* stream = OpenTextFile(H().PathOf(name));
    if (!stream) return nullptr;
    auto* file = new HostFile{stream, name};
    H().openFiles.insert(file);
    return file;
}

int WriteFile(HostFile* file, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = Serve(service::WriteFile::kNumber, [&] {
        H().Require(H().openFiles.count(file) == 1, "a write to a file that is not open");
        return H().Options().failingFiles.count(file->name) ? -1 : std::vfprintf(file->stream, format, arguments);
    });
    va_end(arguments);
    return written;
}

int CloseFile(HostFile* file) {
    H().Require(H().openFiles.erase(file) == 1, "a file closed that is not open (closed twice?)");
    const bool flushed = std::fflush(file->stream) == 0 && !std::ferror(file->stream);
    const bool closed = std::fclose(file->stream) == 0;
    delete file;
    return flushed && closed ? 0 : -1;
}

void KLARVO_THISCALL MakeFileHolder(FileHolderStorage* holder, HostFile* file) {
    H().Require(H().fileHolders.count(holder) == 0, "a file holder built twice in the same storage");
    H().fileHolders[holder] = file;
}

HostFile* KLARVO_THISCALL ReleaseFile(FileHolderStorage* holder) {
    H().Require(H().fileHolders.count(holder) == 1, "a file released from no file holder");
    return std::exchange(H().fileHolders[holder], nullptr);
}

void KLARVO_THISCALL DestroyFileHolder(FileHolderStorage* holder) {
    H().Require(H().fileHolders.count(holder) == 1, "a file holder destroyed that does not exist");
    HostFile* owned = H().fileHolders[holder];
    H().fileHolders.erase(holder);
    if (owned) CloseFile(owned);
}

// ---- message boxes

int ShowMessage(const char* title, const char* text, int style) {
    H().Require(style == 1, "a message box with a style other than 1");
    H().ShowMessage(title, text, false);
    return 1;
}

int ShowFormattedMessage(int, const char* title, const char* format, int style, va_list arguments) {
    H().Require(style == 1, "a message box with a style other than 1");
    H().ShowMessage(title, Format(format, arguments), true);
    return 1;
}

// ---- progress window, drawn on standard error no more often than a person can read it

long long NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A new caption is drawn at once, so that every phase is seen; a counter belongs to the phase
// whose caption it was set under. Each line starts a new line of its own when its caption does.
void DrawProgress(bool captionChanged, bool final) {
    Host& h = H();
    if (!h.Options().showProgress) return;
    const long long now = NowMilliseconds();
    if (!captionChanged && !final && now - h.lastProgressDraw < 250) return;
    h.lastProgressDraw = now;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f s", static_cast<double>(now - h.progressOpened) / 1000.0);
    std::cerr << (captionChanged && !h.progressShownCaption.empty() ? "\n" : "\r")
              << mazovia::ToUtf8(h.progressCaption) << " " << mazovia::ToUtf8(h.progressCounter) << " (" << elapsed
              << ")          " << (final ? "\n" : "") << std::flush;
    h.progressShownCaption = h.progressCaption;
}

void OpenProgress(int window) {
    H().Require(window == 856, "the progress window opened as another window");
    H().Require(!H().progressOpen, "the progress window opened twice");
    H().progressOpen = true;
    H().progressOpened = NowMilliseconds();
    H().progressCaption.clear();
    H().progressShownCaption.clear();
    H().progressCounter.clear();
}

void SetProgressTexts(const char* counter, const char* caption) {
    H().Require(H().progressOpen, "progress texts set with no progress window open");
    if (counter) H().progressCounter = counter;
    if (caption && H().progressCaption != caption) {
        H().progressCaption = caption;
        if (!counter) H().progressCounter.clear();
    }
}

int RefreshProgress() {
    H().Require(H().progressOpen, "the progress window refreshed while it is closed");
    DrawProgress(H().progressCaption != H().progressShownCaption, false);
    return 1;
}

void CloseProgress() {
    H().Require(H().progressOpen, "the progress window closed while it is closed");
    DrawProgress(false, true);
    H().progressOpen = false;
}

// ---- host date strings

CivilDate RequireDate(const char* text) {
    const auto date = ParseHostDate(text);
    if (!date) H().Violation(std::string("\"") + text + "\" handed over as a host date string");
    return date.value_or(CivilDate{0, 0, 0});
}

void Today(char* date) {
    std::strncpy(date, H().Options().today.c_str(), kTodayBufferSize - 1);
    date[kTodayBufferSize - 1] = '\0';
}

void SplitDate(const char* text, std::int16_t* year, std::int16_t* month, std::int16_t* day, int) {
    const CivilDate date = RequireDate(text);
    *year = static_cast<std::int16_t>(date.year);
    *month = static_cast<std::int16_t>(date.month);
    *day = static_cast<std::int16_t>(date.day);
}

// Texts order as strings: the empty text before every date.
int CompareDates(const char* a, const char* b) {
    const int order = std::strcmp(a, b);
    return (order > 0) - (order < 0);
}

// The date never wraps: one past 9999-12-31 is a failure of the host.
void AddDays(char* text, int days) {
    const CivilDate date = sim::AddDays(RequireDate(text), days);
    if (date.year > kLastYear || date.year < 1)
        throw std::runtime_error(std::string("the date ") + text + " moved by " + std::to_string(days) +
                                 " days lies outside the host's calendar");
    const std::string moved = FormatHostDate(date);
    std::memcpy(text, moved.c_str(), moved.size() + 1);
}

// ---- tables, the document walk, the customer lookup

TableDescriptor* DescribeTable(int number) {
    H().describedTables.push_back(number);
    return H().Describe(number);
}

int KLARVO_THISCALL PrepareTable(TableDescriptor* table, int mode) {
    H().Require(mode == 255, "a table prepared with a mode other than 255");
    H().Prepare(table);
    return 1;
}

int KLARVO_THISCALL StartWalk(WalkerStorage* walker, int, int selector, int, int, int) {
    H().Require(selector == kSalesDocumentWalk, "a document walk with an unknown selector");
    H().Require(H().walks.count(walker) == 0, "a document walk started twice in the same storage");
    H().TableOf(Table::SalesDocuments);
    H().walks[walker] = {};
    return H().Options().walkFails ? 0 : 1;
}

int KLARVO_THISCALL StepWalk(WalkerStorage* walker) {
    Host& h = H();
    h.Require(h.walks.count(walker) == 1 && !h.walks[walker].ended, "a step of a walk that is not running");
    Host::Walk& walk = h.walks[walker];
    if (walk.next >= h.company.documents.size()) {
        h.currentDocument.reset();
        return 0;
    }
    h.company.documents[walk.next].PutInto(h.TableOf(Table::SalesDocuments).record.data());
    h.currentDocument = walk.next++;
    return 1;
}

void KLARVO_THISCALL EndWalk(WalkerStorage* walker) {
    H().Require(H().walks.count(walker) == 1 && !H().walks[walker].ended, "a walk ended that is not running");
    H().walks[walker].ended = true;
    H().currentDocument.reset();
}

void KLARVO_THISCALL DestroyWalker(WalkerStorage* walker) {
    H().Require(H().walks.count(walker) == 1, "a walker destroyed that does not exist");
    H().Require(H().walks[walker].ended, "a walker destroyed before its walk was ended");
    H().walks.erase(walker);
}

void FillDocumentAmounts(int, double* amounts, int, int) {
    H().Require(H().currentDocument.has_value(), "document amounts asked for with no current document");
    const auto& source = H().company.documents[H().currentDocument.value_or(0)].amounts;
    std::copy(source.begin(), source.end(), amounts);
}

std::int32_t* CustomerSearchKey() { return &H().customerSearchKey; }

int FindCustomer(int mode) {
    Host& h = H();
    h.Require(mode == -1, "a customer lookup in a mode other than -1");
    std::vector<char>& buffer = h.TableOf(Table::Customers).record;
    const auto found = h.company.customerByNumber.find(h.customerSearchKey);
    if (found == h.company.customerByNumber.end()) return 0;
    const std::vector<char>& record = h.company.customers[found->second];
    std::copy(record.begin(), record.end(), buffer.begin());
    return 1;
}

// ---- the settings file

enum SettingsMode : int { kRead = 8, kWrite = 9 };

std::int16_t SettingsValue(const char* file, int mode, const char* section, const char* key,
                           const char* format, va_list arguments) {
    const std::filesystem::path path = H().PathOf(file);
    if (mode == kRead) {
        const auto stored = ReadIniValue(path, section, key);
        if (!stored) return 1;
        return std::vsscanf(stored->c_str(), format, arguments) >= 1 ? 0 : 1;
    }
    H().Require(mode == kWrite, "a settings file used in mode " + std::to_string(mode));
    WriteIniValue(path, section, key, Format(format, arguments));
    return 0;
}

// ---- mode flags, memory blocks

std::uint16_t ModeFlags() { return H().modeFlags_; }

void SetModeFlags(std::uint16_t mask, int set) {
    if (set)
        H().modeFlags_ |= mask;
    else
        H().modeFlags_ &= static_cast<std::uint16_t>(~mask);
}

void* AllocateBlock(std::uint32_t size, int zeroed) {
    H().Require(zeroed == 1, "a block asked for without zeroing");
    void* block = std::calloc(size, 1);
    if (block) H().blocks.insert(block);
    return block;
}

void FreeBlock(void* block) {
    H().Require(H().blocks.erase(block) == 1, "a block released that was not allocated (released twice?)");
    std::free(block);
}

// ---- services that the plug-in binds but has no use for

template <std::uint16_t Number>
void UnusedService() {
    H().Violation("service " + std::to_string(Number) + " called, which the plug-in has no use for");
}

// ---- the table of exports

ExportTable AllExports() {
    ExportTable exports = {
        Export<service::Service40008, &UnusedService<40008>>(),
        Export<service::Service41611, &UnusedService<41611>>(),
        Export<service::Service41613, &UnusedService<41613>>(),
        Export<service::Service30005, &UnusedService<30005>>(),
        Export<service::Service38417, &UnusedService<38417>>(),
        Export<service::Service52029, &UnusedService<52029>>(),
        Export<service::Service38511, &UnusedService<38511>>(),
        Export<service::Service52016, &UnusedService<52016>>(),
        Export<service::Service52015, &UnusedService<52015>>(),
        Export<service::Service37974, &UnusedService<37974>>(),
        Export<service::Service52466, &UnusedService<52466>>(),
        Export<service::OpenFile, &OpenFile>(),
        ExportVariadic<service::WriteFile>(&WriteFile),
        Export<service::CloseFile, &CloseFile>(),
        Export<service::MakeFileHolder, &MakeFileHolder>(),
        Export<service::ReleaseFile, &ReleaseFile>(),
        Export<service::DestroyFileHolder, &DestroyFileHolder>(),
        Export<service::ShowMessage, &ShowMessage>(),
        Export<service::ShowFormattedMessage, &ShowFormattedMessage>(),
        Export<service::OpenProgress, &OpenProgress>(),
        Export<service::SetProgressTexts, &SetProgressTexts>(),
        Export<service::RefreshProgress, &RefreshProgress>(),
        Export<service::CloseProgress, &CloseProgress>(),
        Export<service::Today, &Today>(),
        Export<service::SplitDate, &SplitDate>(),
        Export<service::CompareDates, &CompareDates>(),
        Export<service::AddDays, &AddDays>(),
        Export<service::DescribeTable, &DescribeTable>(),
        Export<service::PrepareTable, &PrepareTable>(),
        Export<service::StartWalk, &StartWalk>(),
        Export<service::StepWalk, &StepWalk>(),
        Export<service::EndWalk, &EndWalk>(),
        Export<service::DestroyWalker, &DestroyWalker>(),
        Export<service::FillDocumentAmounts, &FillDocumentAmounts>(),
        Export<service::CustomerSearchKey, &CustomerSearchKey>(),
        Export<service::FindCustomer, &FindCustomer>(),
        Export<service::CleanName, &CleanName>(),
        Export<service::CleanAddressPart, &CleanAddressPart>(),
        Export<service::SettingsValue, &SettingsValue>(),
        Export<service::ModeFlags, &ModeFlags>(),
        Export<service::SetModeFlags, &SetModeFlags>(),
        Export<service::AllocateBlock, &AllocateBlock>(),
        Export<service::FreeBlock, &FreeBlock>(),
    };
    AddExports(exports, PostingServices());
    AddExports(exports, DialogServices());
    AddExports(exports, ModuleServices());
    return exports;
}

const ExportTable& Exports() {
    static const ExportTable exports = AllExports();
    return exports;
}

}  // namespace

CodeAddress HostExport(std::uint16_t number) {
    const auto found = Exports().find(number);
    return found == Exports().end() ? nullptr : found->second;
}

CodeAddress ExportedService(std::uint16_t number) {
    return Host::Active().Options().missingServices.count(number) ? nullptr : HostExport(number);
}

}  // namespace klarvo::sim
