#ifndef KLARVO_MORVEL_CORE_H
#define KLARVO_MORVEL_CORE_H
/* The simulated host's machinery, offered to a host program built by another compiler: the company
   folder and its stores, the user's scripted answers, the failures asked for, the messages shown,
   and morvel's command line with its sessions and days. Plain C between two runtimes: numbers,
   NUL-terminated texts (in the host's code page, Mazovia, unless said otherwise) and structures of
   them. Nothing of a host record's layout, a service's arguments or a module's entry points crosses
   it: those are the host program's own. No exception crosses it either; a failure of the
   simulator is noted, and the host program raises the host's failure itself. */

#ifdef __cplusplus
extern "C" {
#endif

/* A service's first step (enter_service): go on, fail now, or fail once the service has done its
   work (a service that takes something back). */
enum { MORVEL_GO_ON = 0, MORVEL_FAIL_NOW = 1, MORVEL_FAIL_ONCE_DONE = 2 };

/* How the host raises its failures and catches them again (--host-failure). */
enum { MORVEL_OWN = 0, MORVEL_EXCEPT = 1, MORVEL_CXX = 2, MORVEL_LONGJMP = 3 };

/* A sales document as the company holds it. */
typedef struct MorvelDocument {
    const char* number;
    const char* date; /* YYYYMMDD, or empty */
    int paymentDays;
    int customer;
    int included; /* 0: not exported */
    double amounts[32]; /* in ten-thousandths of the currency unit; amount code c at c - 1 */
} MorvelDocument;

/* A customer as the company holds it. */
typedef struct MorvelCustomer {
    int number;
    const char* shortName;
    const char* name;
    const char* address;
    const char* taxId;
    const char* bankAccount;
    double creditLimit;
    double discount;
} MorvelCustomer;

/* What the user answers in the range form. */
typedef struct MorvelRangeAnswers {
    const char* dateFrom; /* typed into the first date, or null: left as shown */
    const char* dateTo;
    int invoices; /* the check box: 1 ticked, 0 cleared, -1 left as shown */
    int configPresses; /* presses of " Ko~n~fig" before leaving */
    int cancel; /* left with "Anuluj" instead of OK */
    int draw; /* the form is drawn as it opens */
} MorvelRangeAnswers;

/* A posting-scheme entry as the user reads or types it in the scheme editor. */
typedef struct MorvelSchemeEntry {
    int debitCode;
    const char* debitAccount;
    int creditCode;
    const char* creditAccount;
    const char* description;
    const char* shortCode;
    int number;
} MorvelSchemeEntry;

/* A control of a form as the host's form engine read it, for the drawing of the form. */
typedef struct MorvelFormControl {
    int kind; /* 0 button, 2 check box, 3 text, 4 bar, 5 input field, 7 box */
    int column, row, width, height;
    const char* caption; /* with its "~" marks and the engine's control bytes */
    const char* shown; /* what an input field holds, "x" for a ticked check box, else empty */
} MorvelFormControl;

typedef struct MorvelCore {
    /* ---- a service's calls */
    int (*enter_service)(unsigned short number); /* MORVEL_GO_ON, MORVEL_FAIL_NOW, MORVEL_FAIL_ONCE_DONE */
    /* A failure of the host met inside a service, such as a stored value it cannot read. */
    void (*fail)(const char* what); /* UTF-8 */
    /* How many failures were noted in the action so far, by any call. */
    int (*noted)(void);
    /* A contract of the host's: 0 when the module broke it (noted, and noted as the failure). */
    int (*require)(int holds, const char* what); /* UTF-8 */
    /* Whether a failure is on its way through the module already. */
    int (*raising)(void);
    /* The host raises the failure noted last. */
    void (*raise)(void);
    int (*failure_way)(void);

    /* ---- what the host is set to be */
    void (*today)(char date[9]);
    int (*version)(void);
    /* 1 when the host refuses the module; its reason, cut to `room`, into `reason`. */
    int (*rejection)(char* reason, int room);
    unsigned (*missing_features)(void);
    /* 1 when the user leaves an answer in the install notice, in `answer`. */
    int (*notice_answer)(int* answer);
    int (*service_missing)(unsigned short number);
    /* The record length the host reports for a table whose records are `length` long: another
       when the host is set to report another, -1 when the host is set to have no such table. */
    int (*table_length)(int table, int length);
    int (*walk_fails)(void);
    unsigned short (*mode_flags)(void);
    void (*set_mode_flags)(unsigned short flags);

    /* ---- the company folder */
    /* A bare file name of the host's working folder, as a path of the system (its ANSI code page);
       0 (a broken contract) for a name with a folder. */
    int (*file_path)(const char* name, char* path, int room);
    int (*unwritable)(const char* name); /* the host cannot open this output file */
    int (*full_disk)(const char* name); /* every write to this output file fails */
    int (*document_count)(void);
    void (*document)(int index, MorvelDocument* document);
    int (*customer)(int number, MorvelCustomer* customer); /* 1 when the company has it */
    /* An INI file of the company folder: 1 when the key holds a value, into `value`. */
    int (*read_value)(const char* path, const char* section, const char* key, char* value, int room);
    void (*write_value)(const char* path, const char* section, const char* key, const char* value);

    /* ---- the host's own rules for texts and dates */
    void (*clean_name)(char* text);
    void (*clean_address_part)(char* text);
    /* The date moved by `days` in place; 0 (noted as the failure) past the host's calendar. */
    int (*add_days)(char date[9], int days);

    /* ---- windows */
    void (*show_message)(const char* title, const char* text, int formatted);
    /* The install notice; what the user leaves in it comes from notice_answer. */
    void (*show_notice)(const char* text);
    void (*progress_opened)(void);
    void (*progress_texts)(const char* counter, const char* caption); /* null: not set */
    void (*progress_refreshed)(void);
    void (*progress_closed)(void);

    /* ---- forms, as the user answers them */
    void (*range_answers)(MorvelRangeAnswers* answers);
    /* The next visit of the scheme editor: how many of the entries the user types in (each
       typed_entry of them), and whether the user then leaves with "Anuluj". */
    int (*editor_visit)(int* abandon);
    void (*typed_entry)(int typed, int* index, MorvelSchemeEntry* entry);
    void (*form_drawn)(const char* title, int width, int height, const MorvelFormControl* controls, int count);
    /* The 14 entries as the editor is left, and the amount names its pick fields offered. */
    void (*scheme_listed)(const MorvelSchemeEntry* entries, const char* const* amountNames, int nameCount);
    void (*form_left)(int cancelled);
} MorvelCore;

/* The host program's side: how it loads the plug-in and calls it, each call inside its own frame
   (1 when the call returned, 0 when a failure of the host ended it), and what it finds held. */
typedef struct MorvelHostProgram {
    int (*load)(void); /* 1 when Klarvo.dll is loaded */
    void (*unload)(void);
    int (*initialise)(char* displayName, int* result); /* displayName: the display name's room */
    int (*withdraw)(int* result);
    int (*register_or_report)(int report);
    int (*registered)(void);
    int (*run_command)(void);
    /* The next action begins: nothing of the one before is kept. */
    void (*begin_action)(void);
    /* 1 when the module holds something of the host's, named in `what` (UTF-8). */
    int (*left_held)(char* what, int room);
} MorvelHostProgram;

typedef const MorvelCore* (*MorvelCoreFunction)(void);
typedef int (*MorvelMainFunction)(int argc, char** argv, const MorvelHostProgram* program);

/* Exported by morvel_core.dll under these names. */
#define MORVEL_CORE_FUNCTION "morvel_core"
#define MORVEL_MAIN_FUNCTION "morvel_main"

#ifdef __cplusplus
}
#endif

#endif
