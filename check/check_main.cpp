// klarvo-check: reads the two Teta import files back, checks them and says whether they are
// sound, before an accountant imports them. --help tells the rest.

#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include "check/windows_desktop.h"
#endif

#include "check/check_command.h"

namespace {

// The arguments in UTF-8: on Windows from the wide command line, so that a path with Polish
// letters arrives whole whatever the system's code page.
std::vector<std::string> Arguments(int argc, char** argv) {
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(utf8));
    }
    LocalFree(wide);
    return arguments;
#else
    return {argv + 1, argv + argc};
#endif
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // UTF-8 on the console; a table for a program keeps its own CR LF.
    SetConsoleOutputCP(CP_UTF8);
    const klarvo::check::Console console{std::cout, std::cerr, [] { _setmode(_fileno(stdout), _O_BINARY); },
                                         klarvo::check::StartedFromDesktop()};
#else
    const klarvo::check::Console console{std::cout, std::cerr};
#endif
    return klarvo::check::RunCheck(Arguments(argc, argv), klarvo::check::UserLanguage(), console);
}
