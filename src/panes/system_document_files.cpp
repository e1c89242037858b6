// Copy/move file operations over Win32: attributes, file identity, CopyFileA and MoveFileExA.
#include "panes/system_document_files.h"

#include <windows.h>

#include <optional>

#include "framework/win_handles.h"

namespace {

struct FileIdentity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    bool operator==(const FileIdentity&) const = default;
};

// The volume and file index of an existing file; nothing when it cannot be opened or the file
// system gives no index (zero), so that no two unknown files ever count as one.
std::optional<FileIdentity> IdentityOf(const std::string& path) {
    // No access rights asked and every sharing mode allowed: a file open in another program
    // still answers. The backup flag lets folders open too.
    const UniqueKernelHandle file(::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    if (!::GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
    if (information.nFileIndexHigh == 0 && information.nFileIndexLow == 0) return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

}  // namespace

bool SystemDocumentFiles::IsRegularFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool SystemDocumentFiles::SameFile(const std::string& first, const std::string& second) {
    const auto a = IdentityOf(first);
    return a && a == IdentityOf(second);
}

bool SystemDocumentFiles::Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SystemDocumentFiles::Copy(const std::string& source, const std::string& target, bool failIfExists) {
    return ::CopyFileA(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool SystemDocumentFiles::Move(const std::string& source, const std::string& target, bool replace) {
    // To another drive the system copies and then deletes; write-through makes it delete the
    // source only once the copy is on the disk.
    DWORD flags = MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH;
    if (replace) flags |= MOVEFILE_REPLACE_EXISTING;
    return ::MoveFileExA(source.c_str(), target.c_str(), flags) != FALSE;
}
