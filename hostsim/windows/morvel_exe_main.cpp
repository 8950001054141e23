// morvel.exe: the host program's executable. The host itself is MORVEL.dll, which loads the
// plug-in Klarvo.dll beside it.

extern "C" __declspec(dllimport) int klarvo_run_morvel(int argc, char** argv);

int main(int argc, char** argv) { return klarvo_run_morvel(argc, argv); }
