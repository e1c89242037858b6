#include "tracking/recycle_bin.h"

#include <shellapi.h>

#include "framework/wide_text.h"
#include "text/utf8.h"

namespace {

bool IsRegularFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

RecycleResult SendToRecycleBin(HWND owner, const std::string& path) {
    // Text that does not convert exactly, or that holds a NUL, would name another file.
    if (path.empty() || !IsValidUtf8(path) || path.find('\0') != std::string::npos) return RecycleResult::Failed;
    const std::wstring wide = WideFromUtf8(path);
    if (!IsRegularFile(wide)) return RecycleResult::Failed;

    // The list of sources ends with a second NUL.
    std::wstring sources = wide;
    sources.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = sources.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
    const int result = ::SHFileOperationW(&operation);
    if (operation.fAnyOperationsAborted) return RecycleResult::Declined;
    if (result != 0) return RecycleResult::Failed;
    // A shell that reports success for a file it left in place has not deleted it.
    return ::GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES ? RecycleResult::Recycled
                                                                          : RecycleResult::Failed;
}
