// The information dialog: name, type, folder, size, times and attributes of one document.
#include "panes/document_info_dialog.h"

#include <shellapi.h>

#include <string>
#include <utility>

#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "text/locale_text.h"
#include "tracking/document_cells.h"

namespace {

constexpr unsigned kYes = 1900;

uint64_t Combine(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }
uint64_t FileTimeValue(const FILETIME& time) { return Combine(time.dwHighDateTime, time.dwLowDateTime); }

// The shell's name for files of this name; the file itself is not opened.
std::string ShellTypeName(const std::string& path) {
    SHFILEINFOA information{};
    if (!::SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &information, sizeof information,
                          SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME)) {
        return {};
    }
    return information.szTypeName;
}

}  // namespace

CDialogDocumentInfo::CDialogDocumentInfo() : DialogBase(IDD_DOCUMENT_INFO) {}

bool CDialogDocumentInfo::SetPath(std::string path) {
    if (hwnd() != nullptr || path.empty()) return false;
    path_ = std::move(path);
    return true;
}

bool CDialogDocumentInfo::OnInitDialog() {
    // A document that vanished since it was selected, or a folder, has nothing to show.
    WIN32_FILE_ATTRIBUTE_DATA facts;
    if (path_.empty() || !::GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &facts) ||
        (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        End(IDCANCEL);
        return false;
    }
    if (!SetupFrame(IDI_INFO, kNoIcon, "")) return false;
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_DOCUMENT_INFO);
    ShowFacts(facts);
    // On Close rather than in the first field, which would show the name selected.
    ::SetFocus(Item(IDCANCEL));
    return false;
}

void CDialogDocumentInfo::ShowFacts(const WIN32_FILE_ATTRIBUTE_DATA& facts) {
    const NameAndFolder parts = SplitNameAndFolder(path_);
    SetItemText(IDC_INFO_NAME, parts.name);
    SetItemText(IDC_INFO_TYPE, ShellTypeName(path_));
    SetItemText(IDC_INFO_FOLDER, parts.folder);
    SetItemText(IDC_INFO_SIZE, std::to_string(SizeInKilobytes(Combine(facts.nFileSizeHigh, facts.nFileSizeLow))));
    SetItemText(IDC_INFO_ACCESSED, FormatFileTime(FileTimeValue(facts.ftLastAccessTime)));
    SetItemText(IDC_INFO_CREATED, FormatFileTime(FileTimeValue(facts.ftCreationTime)));
    SetItemText(IDC_INFO_MODIFIED, FormatFileTime(FileTimeValue(facts.ftLastWriteTime)));

    const struct {
        int id;
        DWORD attribute;
    } kAttributes[] = {{IDC_INFO_READ_ONLY, FILE_ATTRIBUTE_READONLY},
                       {IDC_INFO_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
                       {IDC_INFO_SYSTEM, FILE_ATTRIBUTE_SYSTEM},
                       {IDC_INFO_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE}};
    const std::string yes = MessageText(kYes);
    for (const auto& field : kAttributes) {
        SetItemText(field.id, (facts.dwFileAttributes & field.attribute) != 0 ? yes : std::string());
    }
}
