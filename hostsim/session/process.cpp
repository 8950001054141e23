#include "hostsim/session/process.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#include <psapi.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

extern char** environ;
#endif

namespace klarvo::sim {

#if defined(_WIN32)
namespace {

// One argument as the C runtime's parser reads it back: quoted when it holds a blank or a quote,
// with the backslashes before a quote doubled.
std::string CommandLineArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

class InheritedFile {
public:
    explicit InheritedFile(const std::filesystem::path& path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        handle_ = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error(path.string() + ": cannot be created");
    }
    ~InheritedFile() { CloseHandle(handle_); }
    InheritedFile(const InheritedFile&) = delete;
    InheritedFile& operator=(const InheritedFile&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::filesystem::path OwnProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, length));
}

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& output, const std::filesystem::path& errors) {
    std::string commandLine = CommandLineArgument(program.string());
    for (const std::string& argument : arguments) commandLine += " " + CommandLineArgument(argument);
    const InheritedFile out(output), err(errors);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.Get();
    startup.hStdError = err.Get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
        throw std::runtime_error(program.string() + " cannot be started (error " + std::to_string(GetLastError()) + ")");
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return static_cast<int>(code);
}

// The process's open handles, from the system's list of every handle: GetProcessHandleCount is a
// stub that says 0 under Wine.
std::uint64_t OwnHandles() {
    struct Entry {
        void* object;
        ULONG_PTR process;
        ULONG_PTR value;
        ULONG access;
        USHORT creatorBackTrace, objectType;
        ULONG attributes, reserved;
    };
    struct Handles {
        ULONG_PTR count, reserved;
        Entry entries[1];
    };
    constexpr ULONG kExtendedHandleInformation = 64;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    using Query = LONG(WINAPI*)(ULONG kind, void* information, ULONG length, ULONG* needed);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<char> buffer(1 << 16);
    ULONG needed = 0;
    LONG status;
    while ((status = query(kExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           kLengthMismatch)
        buffer.resize(std::max<std::size_t>(2 * buffer.size(), needed));
    if (status != 0) return 0;
    const auto* handles = reinterpret_cast<const Handles*>(buffer.data());
    const ULONG_PTR self = GetCurrentProcessId();
    std::uint64_t own = 0;
    for (ULONG_PTR i = 0; i < handles->count; ++i) own += handles->entries[i].process == self;
    return own;
}

ProcessFigures OwnFigures() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    // The commit charge, which Windows also calls the private bytes (Wine fills in only this one).
    return {memory.PagefileUsage, memory.WorkingSetSize, OwnHandles()};
}
#else
std::filesystem::path OwnProgram() { return std::filesystem::read_symlink("/proc/self/exe"); }

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& output, const std::filesystem::path& errors) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int started = posix_spawn(&child, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (started != 0) throw std::runtime_error(program.string() + " cannot be started (error " + std::to_string(started) + ")");
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) throw std::runtime_error(program.string() + ": its end could not be waited for");
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A figure of /proc/self/smaps_rollup, in bytes.
std::uint64_t MappedFigure(const std::string& name) {
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string mappings;
    std::getline(rollup, mappings);
    for (std::string key; rollup >> key;) {
        std::uint64_t kibibytes = 0;
        rollup >> kibibytes;
        if (key == name + ":") return kibibytes * 1024;
        rollup.ignore(64, '\n');
    }
    return 0;
}

ProcessFigures OwnFigures() {
    // The private pages written to (heap, stacks, data): what the process holds of its own, as
    // the private bytes on Windows; the resident set also counts the program's code pages, which
    // fill in as new paths run for the first time.
    const std::uint64_t privateBytes = MappedFigure("Private_Dirty"), resident = MappedFigure("Rss");
    std::uint64_t handles = 0;
    for ([[maybe_unused]] const auto& descriptor : std::filesystem::directory_iterator("/proc/self/fd")) ++handles;
    // The iterator's own descriptor was open while it counted.
    return {privateBytes, resident, handles - 1};
}
#endif

}  // namespace klarvo::sim
