// Stands in for the program a document type opens and prints with: appends
// "<start time>|<verb>|<path>" as one line to the file beside itself named like it with ".log"
// added. Started one after another, the copies may write in any order; their start times, in
// 100 ns units, keep the order of the requests.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    FILE* log = std::fopen((std::string(self) + ".log").c_str(), "ab");
    if (log == nullptr) return 1;
    FILETIME created{}, unused{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &unused, &unused, &unused);
    const unsigned long long started = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    std::fprintf(log, "%020llu|%s|%s\n", started, argv[1], argv[2]);
    std::fclose(log);
    return 0;
}
