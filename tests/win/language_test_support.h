// Helpers of the language tests: a private program folder and readers of the language files.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

// A fresh, empty folder standing in for the program's folder; removed with its files.
class LanguageFolder {
public:
    LanguageFolder();
    ~LanguageFolder();
    LanguageFolder(const LanguageFolder&) = delete;
    LanguageFolder& operator=(const LanguageFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }
    // Writes the bytes as they stand, as a translator's editor would.
    void Write(std::string_view name, std::string_view content) const;
    // The file's bytes; empty when it does not exist.
    std::string Contents(std::string_view name) const;
    bool Exists(std::string_view name) const;
    void Remove(std::string_view name) const;

private:
    std::string path_;
};

// Read back through the profile functions, as the program and translators' tools do.
std::set<std::string> SectionNames(const std::string& file);
std::map<std::string, std::string> SectionEntries(const std::string& file, const std::string& section);
std::set<std::string> SectionKeys(const std::string& file, const std::string& section);
std::string ProfileValue(const std::string& file, const std::string& section, const std::string& key);

std::string WindowTextOf(HWND window);
std::string ItemTextOf(HWND dialog, int controlId);

// A modeless dialog from the test program's resources with a do-nothing procedure.
HWND CreateTestDialog(int templateId, HWND parent = nullptr);
// Runs the messages already posted, so asynchronous changes land before a check.
void PumpMessages();
