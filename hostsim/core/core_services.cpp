// The simulated host's machinery for a host program of another build (morvel_core.h): each call
// reaches the active host, and a failure of the simulator inside it is noted as the host's
// failure, which the program then raises; nothing is thrown across.

#include <algorithm>
#include <cstring>
#include <deque>
#include <exception>
#include <string>
#include <vector>

#include "hostsim/company/calendar.h"
#include "hostsim/company/ini_store.h"
#include "hostsim/core/core_services.h"
#include "hostsim/forms/form_picture.h"
#include "hostsim/forms/scheme_listing.h"
#include "hostsim/service_meter.h"
#include "hostsim/services/progress_window.h"
#include "hostsim/text/text_cleanup.h"
#include "src/host/mazovia.h"
#include "src/host/posting_scheme_buffer.h"
#include "src/host/records.h"

namespace klarvo::sim {
namespace {

// Runs `call` on the active host; what the simulator throws becomes the host's failure.
template <class Result, class Call>
Result Guarded(Result onFailure, Call call) {
    try {
        return call(Host::Active());
    } catch (const std::exception& error) {
        try {
            Host::Active().NoteFailure(error.what());
        } catch (...) {
        }
    } catch (...) {
    }
    return onFailure;
}

template <class Call>
void Guarded(Call call) {
    Guarded(0, [&](Host& host) {
        call(host);
        return 0;
    });
}

// A text handed back, kept until the next call that hands texts back; a deque moves none of those
// it keeps as it grows.
const char* Kept(std::deque<std::string>& kept, std::string text) {
    kept.push_back(std::move(text));
    return kept.back().c_str();
}

std::deque<std::string> g_documentTexts, g_customerTexts, g_answerTexts, g_entryTexts;
std::vector<SchemeEdit> g_typedEntries;  // of the editor's visit now under way

void Copy(const std::string& text, char* into, int room) {
    if (room <= 0) return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(room) - 1);
    std::memcpy(into, text.data(), length);
    into[length] = '\0';
}

int EnterService(unsigned short number) {
    return Guarded(static_cast<int>(MORVEL_FAIL_NOW), [number](Host& host) {
        const auto index = std::find(std::begin(kServiceNumbers), std::end(kServiceNumbers), number);
        if (index == std::end(kServiceNumbers)) {
            host.Violation("service " + std::to_string(number) + " is no service of the host");
            return static_cast<int>(MORVEL_FAIL_NOW);
        }
        switch (host.EnterService(static_cast<std::size_t>(index - std::begin(kServiceNumbers)))) {
            case Host::Entered::GoOn:
                return static_cast<int>(MORVEL_GO_ON);
            case Host::Entered::FailNow:
                return static_cast<int>(MORVEL_FAIL_NOW);
            case Host::Entered::FailOnceDone:
                break;
        }
        return static_cast<int>(MORVEL_FAIL_ONCE_DONE);
    });
}

void Fail(const char* what) {
    Guarded([what](Host& host) { host.NoteFailure(what); });
}

int Require(int holds, const char* what) {
    if (holds) return 1;
    Guarded([what](Host& host) { host.Violation(what); });
    // Noted as the failure also while an exception unwinds, when the violation only remembers.
    Fail(what);
    return 0;
}

const MorvelCore kCore = {
    &EnterService,
    &Fail,
    [] { return Guarded(0, [](Host& host) { return host.FailuresNoted(); }); },
    &Require,
    [] { return Guarded(0, [](Host& host) { return host.Raising() ? 1 : 0; }); },
    [] { Guarded([](Host& host) { host.NoteRaised(); }); },
    [] {
        return Guarded(static_cast<int>(MORVEL_OWN), [](Host& host) {
            return static_cast<int>(host.Options().failures.hostFailure);
        });
    },

    [](char date[9]) { Guarded([date](Host& host) { Copy(host.Options().today, date, 9); }); },
    [] { return Guarded(0, [](Host& host) { return host.Options().version; }); },
    [](char* reason, int room) {
        return Guarded(0, [reason, room](Host& host) {
            const auto& rejection = host.Options().rejection;
            if (!rejection) return 0;
            if (reason) Copy(mazovia::FromUtf8(*rejection), reason, room);
            return 1;
        });
    },
    [] { return Guarded(0u, [](Host& host) { return static_cast<unsigned>(host.Options().missingFeatures); }); },
    [](int* answer) {
        return Guarded(0, [answer](Host& host) {
            if (!host.Options().noticeAnswer) return 0;
            *answer = *host.Options().noticeAnswer;
            return 1;
        });
    },
    [](unsigned short number) {
        return Guarded(0, [number](Host& host) { return host.Options().missingServices.count(number) ? 1 : 0; });
    },
    [](int table, int length) {
        return Guarded(-1, [table, length](Host& host) {
            if (host.Options().missingTables.count(table)) return -1;
            const auto reported = host.Options().recordLengths.find(table);
            return reported == host.Options().recordLengths.end() ? length : static_cast<int>(reported->second);
        });
    },
    [] { return Guarded(0, [](Host& host) { return host.Options().walkFails ? 1 : 0; }); },
    [] { return Guarded(static_cast<unsigned short>(0), [](Host& host) { return host.session.modeFlags; }); },
    [](unsigned short flags) { Guarded([flags](Host& host) { host.session.modeFlags = flags; }); },

    [](const char* name, char* path, int room) {
        return Guarded(0, [name, path, room](Host& host) {
            const std::string named(name);
            if (named.find_first_of("/\\:") != std::string::npos) {
                host.Violation("a file name with a directory: " + named);
                return 0;
            }
            Copy(host.PathOf(name).string(), path, room);
            return 1;
        });
    },
    [](const char* name) {
        return Guarded(0, [name](Host& host) { return host.Options().failures.unwritable.count(name) ? 1 : 0; });
    },
    [](const char* name) {
        return Guarded(0, [name](Host& host) { return host.Options().failures.fullDisk.count(name) ? 1 : 0; });
    },
    [] { return Guarded(0, [](Host& host) { return static_cast<int>(host.company.documents.size()); }); },
    [](int index, MorvelDocument* document) {
        Guarded([index, document](Host& host) {
            const Document& held = host.company.documents.at(static_cast<std::size_t>(index));
            g_documentTexts.clear();
            document->number = Kept(g_documentTexts, held.number);
            document->date = Kept(g_documentTexts, held.date);
            document->paymentDays = held.paymentDays;
            document->customer = held.customer;
            document->included = held.included;
            std::copy(held.amounts.begin(), held.amounts.end(), document->amounts);
        });
    },
    [](int number, MorvelCustomer* customer) {
        return Guarded(0, [number, customer](Host& host) {
            const auto found = host.company.customerByNumber.find(number);
            if (found == host.company.customerByNumber.end()) return 0;
            const char* record = host.company.customers[found->second].data();
            g_customerTexts.clear();
            const auto text = [record](host::TextAt field) { return Kept(g_customerTexts, std::string(host::BoundedText(record, field))); };
            customer->number = host::ReadField(record, host::k4::kNumber);
            customer->shortName = text(host::k4::kShortName);
            customer->name = text(host::k4::kName);
            customer->address = text(host::k4::kAddress);
            customer->taxId = text(host::k4::kTaxId);
            customer->bankAccount = text(host::k4::kBankAccount);
            customer->creditLimit = host::ReadField(record, host::k4::kCreditLimit);
            customer->discount = host::ReadField(record, host::k4::kDiscount);
            return 1;
        });
    },
    [](const char* path, const char* section, const char* key, char* value, int room) {
        return Guarded(0, [=](Host&) {
            const auto stored = ReadIniValue(path, section, key);
            if (!stored) return 0;
            Copy(*stored, value, room);
            return 1;
        });
    },
    [](const char* path, const char* section, const char* key, const char* value) {
        Guarded([=](Host&) { WriteIniValue(path, section, key, value); });
    },

    [](char* text) { Guarded([text](Host&) { CleanName(text); }); },
    [](char* text) { Guarded([text](Host&) { CleanAddressPart(text); }); },
    [](char date[9], int days) {
        return Guarded(0, [date, days](Host& host) {
            const auto parsed = ParseHostDate(date);
            host.Require(parsed.has_value(), std::string("\"") + date + "\" handed over as a host date string");
            if (!parsed) return 0;
            const CivilDate moved = AddDays(*parsed, days);
            if (moved.year > kLastYear || moved.year < 1) {
                host.NoteFailure(std::string("the date ") + date + " moved by " + std::to_string(days) +
                                 " days lies outside the host's calendar");
                return 0;
            }
            Copy(FormatHostDate(moved), date, 9);
            return 1;
        });
    },

    [](const char* title, const char* text, int formatted) {
        Guarded([=](Host& host) { host.ShowMessage(title, text, formatted != 0); });
    },
    [](const char* text) { Guarded([text](Host& host) { host.ShowNotice(text); }); },
    [] { Guarded([](Host& host) { OpenProgressWindow(host); }); },
    [](const char* counter, const char* caption) {
        Guarded([=](Host& host) { SetProgressWindowTexts(host, counter, caption); });
    },
    [] { Guarded([](Host& host) { RefreshProgressWindow(host); }); },
    [] { Guarded([](Host& host) { CloseProgressWindow(host); }); },

    [](MorvelRangeAnswers* answers) {
        Guarded([answers](Host& host) {
            const FormAnswers& form = host.Options().form;
            g_answerTexts.clear();
            answers->dateFrom = form.dateFrom ? Kept(g_answerTexts, *form.dateFrom) : nullptr;
            answers->dateTo = form.dateTo ? Kept(g_answerTexts, *form.dateTo) : nullptr;
            answers->invoices = form.invoices ? (*form.invoices ? 1 : 0) : -1;
            answers->configPresses = static_cast<int>(form.configPresses.size());
            answers->cancel = form.cancel ? 1 : 0;
            answers->draw = form.draw ? 1 : 0;
        });
    },
    [](int* abandon) {
        return Guarded(0, [abandon](Host& host) {
            const SchemeEditorVisit visit = host.NextEditorVisit();
            g_typedEntries = visit.edits;
            *abandon = visit.abandon ? 1 : 0;
            return static_cast<int>(visit.edits.size());
        });
    },
    [](int typed, int* index, MorvelSchemeEntry* entry) {
        Guarded([=](Host&) {
            const SchemeEdit& edit = g_typedEntries.at(static_cast<std::size_t>(typed));
            const host::PostingSchemeEntry& e = edit.entry;
            g_entryTexts.clear();
            const auto text = [](const auto& field) {
                return Kept(g_entryTexts, std::string(host::BoundedText(field, 0, sizeof field)));
            };
            *index = edit.index;
            *entry = {e.debitCode, text(e.debitAccount), e.creditCode, text(e.creditAccount), text(e.description),
                      text(e.shortCode), e.number};
        });
    },
    [](const char* title, int width, int height, const MorvelFormControl* controls, int count) {
        Guarded([=](Host& host) {
            FormLayout form{0, 0, static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), title, {}};
            std::map<std::size_t, std::string> shown;
            for (int i = 0; i < count; ++i) {
                const MorvelFormControl& c = controls[i];
                form.controls.push_back({static_cast<std::uint16_t>(c.kind), 0, 0, 0, static_cast<std::uint16_t>(c.column),
                                         static_cast<std::uint16_t>(c.row), static_cast<std::uint16_t>(c.width),
                                         static_cast<std::uint16_t>(c.height), 0, c.caption});
                if (*c.shown) shown[static_cast<std::size_t>(i)] = c.shown;
            }
            host.dialogs.formPictures.push_back(DrawForm(form, shown));
        });
    },
    [](const MorvelSchemeEntry* entries, const char* const* amountNames, int nameCount) {
        Guarded([=](Host& host) {
            host::PostingSchemeEntry buffer[host::kSchemeEntryCount] = {};
            for (int k = 0; k < host::kSchemeEntryCount; ++k) buffer[k] = SchemeBufferEntry(entries[k]);
            host.dialogs.schemeListings.push_back(ListScheme(buffer, {amountNames, amountNames + nameCount}));
        });
    },
    [](int cancelled) { Guarded([cancelled](Host& host) { host.dialogs.formCancelled = cancelled != 0; }); },
};

}  // namespace

host::PostingSchemeEntry SchemeBufferEntry(const MorvelSchemeEntry& entry) {
    host::PostingSchemeEntry into{};
    const auto put = [](auto& field, const char* text) { Copy(text, field, sizeof field); };
    into.debitCode = static_cast<std::int16_t>(entry.debitCode);
    put(into.debitAccount, entry.debitAccount);
    into.creditCode = static_cast<std::int16_t>(entry.creditCode);
    put(into.creditAccount, entry.creditAccount);
    put(into.description, entry.description);
    put(into.shortCode, entry.shortCode);
    into.number = static_cast<std::int16_t>(entry.number);
    return into;
}

const MorvelCore& CoreServices() { return kCore; }

}  // namespace klarvo::sim
