// The host program's executable (morvel.exe, and the benchmark's klarvo_bench.exe): the host
// itself is the MORVEL.dll beside it, which runs the program's command line and loads the plug-in
// Klarvo.dll from the same folder.

#include <windows.h>

extern "C" __declspec(dllimport) int klarvo_run_program(int argc, char** argv);

int main(int argc, char** argv) {
    // What the program prints is UTF-8: so that Polish letters show on the console.
    SetConsoleOutputCP(CP_UTF8);
    return klarvo_run_program(argc, argv);
}
