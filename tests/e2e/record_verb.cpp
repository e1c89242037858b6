// Stands in for the program a document type opens and prints with: appends "<verb>|<path>" as
// one line to the file beside itself named like it with ".log" added.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    FILE* log = std::fopen((std::string(self) + ".log").c_str(), "ab");
    if (log == nullptr) return 1;
    std::fprintf(log, "%s|%s\n", argv[1], argv[2]);
    std::fclose(log);
    return 0;
}
