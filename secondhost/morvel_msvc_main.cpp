// The second host program: the host itself is the MORVEL.dll beside it, which runs the program's
// command line and loads the plug-in Klarvo.dll from the same folder.

#include "secondhost/host_runtime.h"

extern "C" __declspec(dllimport) int morvel_run_program(int argc, char** argv);

extern "C" int mainCRTStartup() {
    // What the program prints is UTF-8: so that Polish letters show on the console.
    constexpr unsigned kUtf8 = 65001;
    SetConsoleOutputCP(kUtf8);
    constexpr int kUnexpandedArguments = 1;
    _configure_narrow_argv(kUnexpandedArguments);
    exit(morvel_run_program(*__p___argc(), *__p___argv()));
}
