// Test helpers: temporary program folders and profile readers.
#include "language_test_support.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Splits the double-null-terminated lists the profile functions return.
std::vector<std::string> SplitNullList(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> items;
    for (DWORD at = 0; at < length && buffer[at] != '\0';) {
        std::string item(&buffer[at]);
        at += static_cast<DWORD>(item.size()) + 1;
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

LanguageFolder::LanguageFolder() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "kestrum-lang-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

LanguageFolder::~LanguageFolder() {
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA((path_ + found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path_.c_str());
}

void LanguageFolder::Write(std::string_view name, std::string_view content) const {
    std::ofstream file(File(name), std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string LanguageFolder::Contents(std::string_view name) const {
    std::ifstream file(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool LanguageFolder::Exists(std::string_view name) const {
    return ::GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void LanguageFolder::Remove(std::string_view name) const { ::DeleteFileA(File(name).c_str()); }

std::set<std::string> SectionNames(const std::string& file) {
    std::vector<char> buffer(65536);
    const DWORD length = ::GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    const auto names = SplitNullList(buffer, length);
    return {names.begin(), names.end()};
}

std::map<std::string, std::string> SectionEntries(const std::string& file, const std::string& section) {
    std::vector<char> buffer(65536);
    const DWORD length = ::GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                     static_cast<DWORD>(buffer.size()), file.c_str());
    std::map<std::string, std::string> entries;
    for (const std::string& line : SplitNullList(buffer, length)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        entries[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return entries;
}

std::set<std::string> SectionKeys(const std::string& file, const std::string& section) {
    std::set<std::string> keys;
    for (const auto& [key, value] : SectionEntries(file, section)) keys.insert(key);
    return keys;
}

std::string ProfileValue(const std::string& file, const std::string& section, const std::string& key) {
    char buffer[4096] = {};
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

std::string WindowTextOf(HWND window) {
    char buffer[4096] = {};
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ItemTextOf(HWND dialog, int controlId) { return WindowTextOf(::GetDlgItem(dialog, controlId)); }

HWND CreateTestDialog(int templateId, HWND parent) {
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent,
                                &QuietDialogProc, 0);
}

void PumpMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}
