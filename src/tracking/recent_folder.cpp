// Looks up the Recent folder through the shell, without creating it.
#include "tracking/recent_folder.h"

#include <windows.h>
#include <shlobj.h>

std::string RecentFolderPath() {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, CSIDL_RECENT, FALSE) || !path[0]) return {};
    std::string folder(path);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}
