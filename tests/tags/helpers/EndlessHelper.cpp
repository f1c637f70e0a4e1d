// A delegated program for the tests that never ends: it writes its process id to "endless.pid"
// beside the result file (argument 1), then waits for a signal.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    std::string folder(argv[1]);
    folder.erase(folder.find_last_of('/') + 1);
    std::ofstream(folder + "endless.pid.tmp") << ::getpid();
    std::rename((folder + "endless.pid.tmp").c_str(), (folder + "endless.pid").c_str());
    for (;;) ::pause();
}
