// Tells the shell that each document named on the command line was opened, exactly as a
// Windows program does when it opens a document: the shell then writes its shortcut in the
// Recent folder. The shell reports nothing back, so neither does this program.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: open_documents PATH...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) ::SHAddToRecentDocs(SHARD_PATHA, argv[i]);
    return 0;
}
