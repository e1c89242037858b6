// One running copy per session: a named mutex taken first thing, and waking the copy that holds it.
#pragma once

#include "framework/win_handles.h"

class SingleInstance {
public:
    // True when this process is the first copy of the session; the mutex is then held until
    // the object goes. Taken before anything else, so two starts close together cannot both run.
    bool Acquire();

private:
    UniqueKernelHandle mutex_;
};

// Finds the running copy's main window (by its marker and its window class) and brings it
// forward; a hidden copy with a password is asked to take the path of a left click on its tray
// icon, which asks for the password first. False when no such window exists (yet).
bool WakeRunningCopy();
