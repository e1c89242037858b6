// Test helpers for programs running under Wine.
#include "wine_test_support.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "text/ole_date.h"
#include "tracking/recent_folder.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

fs::path PathFromUtf8(const std::string& text) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

std::string QuoteArgument(const std::string& argument) { return "\"" + argument + "\""; }

}  // namespace

std::string HostPathToWindows(const std::string& hostPath) {
    std::string path = "Z:" + hostPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

ScratchFolder::ScratchFolder(const std::string& prefix) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::random_device seed;
    path_ = std::string(temp) + prefix + "-" + std::to_string(seed()) + "\\";
    fs::create_directories(PathFromUtf8(path_));
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(PathFromUtf8(path_), ignored);
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::error_code ignored;
    fs::create_directories(PathFromUtf8(path).parent_path(), ignored);
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string ListCellText(HWND list, int row, int column) {
    char text[4096] = {};  // room for cells longer than a sort key
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void ClearRecentFolder() {
    const std::string folder = RecentFolderPath();
    if (folder.empty()) return;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(PathFromUtf8(folder), ignored)) {
        fs::remove(entry.path(), ignored);
    }
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) {
    std::string commandLine = QuoteArgument(program);
    for (const std::string& argument : arguments) commandLine += " " + QuoteArgument(argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return -1;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = static_cast<DWORD>(-1);
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string AnswerMessageBox() { return AnswerMessageBoxWith(IDOK); }

std::string AnswerMessageBoxWith(int button) {
    std::string text;
    WaitUntil(
        [&] {
            HWND box = ::FindWindowA("#32770", "Kestrum");
            if (!box) return false;
            char buffer[512] = {};
            ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the text's static control
            text = buffer;
            ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
            return true;
        },
        std::chrono::seconds(5));
    return text;
}

std::string TrashFilesFolder() {
    char unix[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("XDG_DATA_HOME", unix, MAX_PATH) == 0) return {};
    std::string path = std::string("Z:") + unix + "/Trash/files/";
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

int32_t TodayDayNumber() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DayNumberFromDate({now.wYear, now.wMonth, now.wDay});
}

}  // namespace testsupport
