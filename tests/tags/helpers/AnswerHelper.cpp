// A delegated program for the tests: writes its arguments after the result path, joined by "|",
// as the first line of the result file (argument 1) and its own argument 0 as the second line.
// Exits 1 when the file cannot be written.
#include <fstream>

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    std::ofstream result(argv[1], std::ios::binary);
    for (int i = 2; i < argc; ++i) result << (i > 2 ? "|" : "") << argv[i];
    result << "\r\n" << argv[0] << "\r\n";
    return result.good() ? 0 : 1;
}
