// Helpers shared by the tests that run under Wine: paths, scratch folders, waiting, processes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// "/work/x/y" (a host path handed over by CTest) as Wine sees it: "Z:\work\x\y".
std::string HostPathToWindows(const std::string& hostPath);

// A new empty folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Creates a file (and its folders) holding `text`.
bool WriteFile(const std::string& path, const std::string& text);
std::string ReadFile(const std::string& path);
std::vector<std::string> ReadLines(const std::string& path);

// The text of a cell of a list view of this process.
std::string ListCellText(HWND list, int row, int column);

// Deletes every file in the shell's Recent folder.
void ClearRecentFolder();

// Pumps this thread's messages and polls `done` until it holds or the time runs out.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Runs a program with arguments (each quoted) and waits for it; its exit code, or -1.
int RunAndWait(const std::string& program, const std::vector<std::string>& arguments);

// Waits for the first message box captioned "Kestrum" (of this process or the program under
// test), answers it with `button` and returns its text; empty when none appeared within five
// seconds. Run it on a second thread while the code under test shows the box.
std::string AnswerMessageBoxWith(int button);
// AnswerMessageBoxWith(IDOK).
std::string AnswerMessageBox();

// The files folder of Wine's trash, the Recycle Bin, as a Windows path with a trailing
// backslash: the harness points it at a folder of the run through XDG_DATA_HOME. Empty without.
std::string TrashFilesFolder();

// Today's calendar day as a day number since 30 December 1899, local time.
int32_t TodayDayNumber();

}  // namespace testsupport
