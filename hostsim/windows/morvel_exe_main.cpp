// morvel.exe: the host program's executable. The host itself is MORVEL.dll, which loads the
// plug-in Klarvo.dll beside it.

#include <windows.h>

extern "C" __declspec(dllimport) int klarvo_run_morvel(int argc, char** argv);

int main(int argc, char** argv) {
    // What morvel prints is UTF-8: so that Polish letters show on the console.
    SetConsoleOutputCP(CP_UTF8);
    return klarvo_run_morvel(argc, argv);
}
