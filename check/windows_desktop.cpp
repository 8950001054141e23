#include "check/windows_desktop.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "check/paths.h"

namespace klarvo::check {
namespace {

std::wstring Wide(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size - 1 : 0), L'\0');
    if (size > 1) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), size);
    return wide;
}

// The stand-in: each box and each page as one entry of the log, in UTF-8.
Desktop LoggedDesktop(const std::wstring& log) {
    const auto write = [log](const std::string& entry) {
        if (FILE* file = _wfopen(log.c_str(), L"ab")) {
            std::fwrite(entry.data(), 1, entry.size(), file);
            std::fclose(file);
        }
    };
    return {[write](const std::string& text, bool failed) { write(std::string(failed ? "box (warning): " : "box: ") + text + "\n"); },
            [write](const std::filesystem::path& page) { write("open: " + Shown(page) + "\n"); }};
}

Desktop RealDesktop() {
    return {[](const std::string& text, bool failed) {
                MessageBoxW(nullptr, Wide(text).c_str(), L"klarvo-check",
                            MB_OK | MB_SETFOREGROUND | (failed ? MB_ICONWARNING : MB_ICONINFORMATION));
            },
            [](const std::filesystem::path& page) {
                ShellExecuteW(nullptr, L"open", page.wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            }};
}

}  // namespace

std::optional<Desktop> StartedFromDesktop() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) > 1) return std::nullopt;
    const DWORD output = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE));
    if (output == FILE_TYPE_DISK || output == FILE_TYPE_PIPE) return std::nullopt;
    FreeConsole();
    wchar_t log[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"KLARVO_DESKTOP_LOG", log, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return LoggedDesktop(log);
    return RealDesktop();
}

}  // namespace klarvo::check
