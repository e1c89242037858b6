// File status through GetFileAttributesExA and folder listings; share probes on a detached thread.
#include "tracking/system_file_status.h"

#include <windows.h>

#include <memory>
#include <string_view>

#include "framework/win_handles.h"

namespace {

uint64_t FromFileTime(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Owned by the probe thread and the asker together: whichever finishes last frees it.
struct Probe {
    std::string root;
    bool answers = false;
};

DWORD WINAPI RunProbe(void* parameter) {
    const std::shared_ptr<Probe> probe = *static_cast<std::shared_ptr<Probe>*>(parameter);
    delete static_cast<std::shared_ptr<Probe>*>(parameter);
    probe->answers = ::GetFileAttributesA(probe->root.c_str()) != INVALID_FILE_ATTRIBUTES;
    return 0;
}

}  // namespace

std::optional<FileStatus> StatFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return FileStatus{true, (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                      FromFileTime(data.ftCreationTime), FromFileTime(data.ftLastWriteTime)};
}

bool RootAnswersWithin(const std::string& root, unsigned timeoutMs) {
    const UINT type = ::GetDriveTypeA(root.c_str());
    if (type == DRIVE_FIXED || type == DRIVE_RAMDISK || type == DRIVE_CDROM || type == DRIVE_REMOVABLE) return true;
    if (type == DRIVE_NO_ROOT_DIR && root.size() == 3) return false;  // no such drive letter

    auto probe = std::make_shared<Probe>();
    probe->root = root;
    auto* handOver = new std::shared_ptr<Probe>(probe);
    UniqueKernelHandle thread(::CreateThread(nullptr, 0, &RunProbe, handOver, 0, nullptr));
    if (!thread) {
        delete handOver;
        return false;
    }
    if (::WaitForSingleObject(thread.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    return probe->answers;
}

std::optional<FolderServices::Listing> ListFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    // The basic information level skips the short names' lookup, which a listing of thousands
    // of files would pay for every entry; short names are still given where the file system has them.
    UniqueFindHandle search(::FindFirstFileExA((folder + "*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                               nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return FolderServices::Listing{};
        return std::nullopt;
    }
    FolderServices::Listing listing;
    do {
        const std::string_view name = found.cFileName;
        if (name == "." || name == "..") continue;
        const FileStatus status{true, (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                                FromFileTime(found.ftCreationTime), FromFileTime(found.ftLastWriteTime)};
        listing.emplace_back(std::string(name), status);
        if (found.cAlternateFileName[0] != '\0') listing.emplace_back(found.cAlternateFileName, status);
    } while (::FindNextFileA(search.get(), &found));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return listing;
}

FolderServices SystemFolderServices() {
    return {[](const std::string& root) { return RootAnswersWithin(root, 300); },
            [](const std::string& folder) {
                const DWORD attributes = ::GetFileAttributesA(folder.c_str());
                return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            },
            &ListFolder, &StatFile, [] { return static_cast<uint64_t>(::GetTickCount64()); }};
}
