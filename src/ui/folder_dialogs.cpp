// The folder and file dialogs. The folder dialog's callback shows the selected path and, when
// only writable folders may be chosen, probes each selection before OK is allowed.
#include "ui/folder_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>
#include <vector>

#include "framework/win_handles.h"
#include "framework/wide_text.h"
#include "ui/window_rules.h"

namespace {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_RETURNFSANCESTORS;
constexpr DWORD kSaveFlags = OFN_PATHMUSTEXIST | OFN_EXTENSIONDIFFERENT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXTENSIONDIFFERENT | OFN_HIDEREADONLY;
constexpr DWORD kFileNameBytes = 4096;

struct BrowseState {
    std::string initialPath;
    bool writableOnly = false;
};

// The wide call: a MAX_PATH byte buffer of the -A form is too short for UTF-8 text of a
// path that fits in MAX_PATH characters.
std::string PathFromItemIdList(PCIDLIST_ABSOLUTE item) {
    std::array<wchar_t, MAX_PATH> path{};
    if (!item || !::SHGetPathFromIDListW(item, path.data())) return {};
    return Utf8FromWide(path.data());
}

std::string CurrentDirectory() {
    const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return {};
    std::vector<char> buffer(needed);
    const DWORD length = ::GetCurrentDirectoryA(needed, buffer.data());
    if (length == 0 || length >= needed) return {};
    return std::string(buffer.data(), length);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data) {
    const auto& state = *reinterpret_cast<const BrowseState*>(data);
    switch (message) {
        case BFFM_INITIALIZED:
            if (!state.initialPath.empty()) {
                const auto path = reinterpret_cast<LPARAM>(state.initialPath.c_str());
                ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, path);
                // Asked once more when the dialog runs: the first time a user profile browses,
                // Wine's folder tree is not complete yet when the dialog is initialised, and the
                // first request finds nothing. The state outlives the dialog, so the path does.
                ::PostMessageA(dialog, BFFM_SETSELECTIONA, TRUE, path);
            }
            break;
        case BFFM_SELCHANGED: {
            const std::string path = PathFromItemIdList(reinterpret_cast<PCIDLIST_ABSOLUTE>(parameter));
            ::SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.c_str()));
            if (state.writableOnly) {
                const LPARAM enable = (!path.empty() && IsFolderWritable(path)) ? TRUE : FALSE;
                ::SendMessageA(dialog, BFFM_ENABLEOK, 0, enable);
                // Wine's dialog applies its own OK rule after this notification returns, which
                // would enable OK for any file-system folder; the posted verdict comes after
                // it. Posted messages run before the user's next input, in order, so the last
                // verdict is always that of the current selection.
                ::PostMessageA(dialog, BFFM_ENABLEOK, 0, enable);
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

}  // namespace

bool IsFolderWritable(const std::string& folder) {
    const std::string probePath = WritableTestFilePath(folder);
    if (probePath.empty()) return false;
    // CREATE_NEW: a file of the same name that is not ours is never written over or deleted.
    UniqueKernelHandle probe(::CreateFileA(probePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) return false;
    const std::string content(kWritableTestFileName);
    DWORD written = 0;
    const bool wrote = ::WriteFile(probe.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                                   nullptr) &&
                       written == content.size();
    probe.reset();
    const bool removed = ::DeleteFileA(probePath.c_str()) != FALSE;
    return wrote && removed;
}

bool BrowseFolder(const std::string& title, std::string& path, bool writableOnly, HWND owner) {
    BrowseState state{path.empty() ? CurrentDirectory() : path, writableOnly};
    path.clear();

    std::array<char, MAX_PATH> displayName{};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName.data();
    info.lpszTitle = title.c_str();
    info.ulFlags = kBrowseFlags;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&state);

    const UniqueCoTaskMemory<ITEMIDLIST> chosen(::SHBrowseForFolderA(&info));
    if (!chosen) return false;
    path = PathFromItemIdList(chosen.get());
    return !path.empty();
}

bool AskFileName(bool save, std::string& path, std::string_view filter, std::string_view defaultExtension,
                 HWND owner, int initialFilterIndex) {
    path.clear();
    const std::string filterText = FileDialogFilter(filter);
    if (filterText.empty()) return false;
    const std::string extension(defaultExtension);
    std::vector<char> file(kFileNameBytes, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(initialFilterIndex > 0 ? initialFilterIndex : 1);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileNameBytes;
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = save ? kSaveFlags : kOpenFlags;
    const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (!chosen) return false;
    path = file.data();
    return true;
}
