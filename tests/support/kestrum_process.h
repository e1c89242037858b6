// A fresh copy of the real Kestrum.exe running in a folder of its own, found by its marked main
// window and ended with its Exit command.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace testsupport {

// Stores the ShowIntro setting in Kestrum's branch, creating the key; false when that failed.
bool StoreShowIntro(DWORD value);

class KestrumProcess {
public:
    // What the start does about the Quick Intro: most tests switch it off (ShowIntro 0) so that
    // no second program comes up; the intro's own tests leave the stored setting alone.
    enum class Intro { Off, AsStored };

    // Copies `exe` into `folder` (so the history starts empty there) and starts it; ready once
    // its main window exists.
    KestrumProcess(const std::string& exe, const std::string& folder, Intro intro = Intro::Off);
    ~KestrumProcess();
    KestrumProcess(const KestrumProcess&) = delete;
    KestrumProcess& operator=(const KestrumProcess&) = delete;

    bool Started() const { return started_; }
    // The main window: the top-level window of the process marked with the instance marker.
    HWND Window() const;
    // Ends the program with its Exit command; true when the process ended within `limit`.
    bool ExitWithin(std::chrono::milliseconds limit);
    std::string HistoryPath() const;
    // True when the process ended by itself within `limit`.
    bool EndedWithin(std::chrono::milliseconds limit) const;
    DWORD ProcessId() const { return process_.dwProcessId; }

private:
    std::string exe_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

}  // namespace testsupport
