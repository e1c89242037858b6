// The new content goes to a uniquely named file beside the target, so the move that puts it in
// place stays on one volume and never has to copy.
#include "tracking/replace_file.h"

#include <windows.h>

#include <string>

#include "framework/wide_text.h"
#include "framework/win_handles.h"
#include "text/path_split.h"

namespace {

// Deletes the file at the end unless it was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) ::DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const wchar_t* Path() const { return path_.c_str(); }
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    bool kept_ = false;
};

bool WriteWhole(const wchar_t* path, std::string_view content) {
    const UniqueKernelHandle file(
        ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    while (!content.empty()) {
        const DWORD chunk = content.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!::WriteFile(file.get(), content.data(), chunk, &written, nullptr) || written == 0) return false;
        content.remove_prefix(written);
    }
    return ::FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

bool ReplaceFileContent(std::string_view path, std::string_view content) {
    if (path.empty()) return false;
    std::wstring folder = WideFromUtf8(path.substr(0, BaseNameOffset(path)));
    if (folder.empty()) folder = L".";
    wchar_t temporaryName[MAX_PATH + 1] = {};
    // Creates the file empty, so no other writer can take the same name meanwhile.
    if (::GetTempFileNameW(folder.c_str(), L"kst", 0, temporaryName) == 0) return false;
    TemporaryFile temporary(temporaryName);
    if (!WriteWhole(temporary.Path(), content)) return false;
    const std::wstring target = WideFromUtf8(path);
    if (!::MoveFileExW(temporary.Path(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return false;
    }
    temporary.Keep();
    return true;
}
